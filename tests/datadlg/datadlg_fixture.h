#pragma once
// Shared by the data dialogs' tests: a clean window system and value-list folder per test, the
// stored lists as plain strings, and a host dialog with two history combo boxes.
#include <misc/data/combolist.h>
#include <misc/datadlg.h>
#include <misc/frame/profile.h>

#include <gtest/gtest.h>

#include <win32/automation.h>
#include <win32/script.h>

#include <string>
#include <vector>

namespace datadlgtest {

enum : UINT { kHostDialog = 800 };
enum : int { kHostCombo = 801, kHostSecondCombo = 802 };

using Names = std::vector<std::string>;

// The host dialog's module (registered once).
HMODULE HostModule();

class DataDlgTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The stored list of a type: names, and "name|type name" pairs.
    static Names Stored(int type);
    static Names StoredWithTypeNames(int type);
    static void Store(int type, const Names& names, const char* typeName = "");
    // The strings of a list box or combo box.
    static Names ListStrings(HWND list);
    static Names ComboStrings(HWND combo);
};

// A modeless host dialog with the two combo boxes, open and painted.
class HostDialog : public CVmxDialog {
public:
    HostDialog();
    ~HostDialog() override;
    HWND Combo(int id = kHostCombo) const { return ::GetDlgItem(m_hWnd, id); }
};

} // namespace datadlgtest
