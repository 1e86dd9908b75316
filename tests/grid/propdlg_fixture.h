#pragma once
// Shared by the property dialog's tests: a clean window system and user profile per test, a
// manager that records every hook the dialog calls, and a dialog that creates it.
#include <misc/misc.h>

#include <gtest/gtest.h>

#include <win32/automation.h>
#include <win32/script.h>

#include <string>
#include <vector>

#include "property_host/piece_host.h"

namespace propdlgtest {

// Category and row captions come from the sample host's resource module.
enum : long {
    kCatGeneral = sample::IDS_CAT_GENERAL,
    kCatCutting = sample::IDS_CAT_CUTTING,
    kRowName = sample::IDS_NAME,
    kRowWidth = sample::IDS_WIDTH,
};
constexpr const char* kSection = "PropDlgTest";

// General: Name (text, by identifier), Width (text with a "..." button), Offset (literal caption)
// with a child Left; Cutting: Left and Right (literal captions, so two rows called Left exist).
class RecordingMngr : public CPropertyMngr {
public:
    explicit RecordingMngr(std::vector<std::string>* log) : m_log(log) {}
    void Init() override;
    int OnOK() override;
    void ValueChanged(CGnrlGridItemData* item) override { Record("ValueChanged", item); }
    void InplaceButtonDown(CGnrlGridItemData* item) override { Record("InplaceButtonDown", item); }
    void InplaceRClick(CGnrlGridItemData* item) override { Record("InplaceRClick", item); }
    void ItemExpand(CGnrlGridCategoryData* category) override;
    void SetDefaultExpand() override;

    int okAnswer = 1;
    CBitmap* bitmap = nullptr;

private:
    void Record(const char* hook, CGnrlGridItemData* item);
    std::vector<std::string>* m_log;
};

class RecordingDlg : public CPropertyDlg {
public:
    RecordingDlg(int gridId, bool createMode, CWnd* parent = nullptr)
        : CPropertyDlg(nullptr, gridId, createMode, parent, GetModuleHandleA("misc_res.dll"))
    {
    }
    void Init(long gridId, void*) override;
    void OnPostedValueChanged() override { log.push_back("OnPostedValueChanged"); }

    std::vector<std::string> log;
    int okAnswer = 1;
    int inits = 0;
    bool withBitmap = false;
    CBitmap bitmap;
};

class PropDlgTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // An integer of the user profile file (the default when absent).
    static int ProfileInt(const char* section, const char* key, int fallback = -999);
    static std::string ProfileText(const char* section, const char* key);
    // The dialog's grid window and a row of it by "Category|Row".
    static HWND GridOf(CPropertyDlg& dlg) { return dlg.GetGrid() ? dlg.GetGrid()->GetSafeHwnd() : nullptr; }
    static MiscElement Row(CPropertyDlg& dlg, const std::string& path) { return MiscElement(GridOf(dlg)).Item(path); }
    static MiscElement Value(CPropertyDlg& dlg, const std::string& path)
    {
        MiscElement row = Row(dlg, path);
        return MiscElement(row.Window(), row.Path().Cell(1));
    }
    static MiscElement Button(CPropertyDlg& dlg, const std::string& path)
    {
        MiscElement row = Row(dlg, path);
        return MiscElement(row.Window(), row.Path().Cell(2));
    }

    // A host window for edit-mode panes.
    CWnd host;
    void MakeHost();
    // Creates an edit-mode dialog as a shown pane of the host window.
    BOOL CreatePane(CPropertyDlg& dlg);
};

} // namespace propdlgtest
