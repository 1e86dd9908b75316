// The version history dialog, driven by the scripted user: its columns and rows, the buttons
// enabled by the selection, and what each button does to the history.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <misc/datadlg.h>
#include <win32/automation.h>
#include <win32/script.h>

#include "../../tools/misctool/stdio_rw.h"

namespace {

CTime At(int hour) { return CTime(2024, 3, 5, hour, 0, 0); }

// A host that records what the dialog asked of it.
class HostVersions : public CVersionsDlg {
public:
    using CVersionsDlg::CVersionsDlg;
    int OpenFile(int index) override
    {
        opened.push_back(index);
        return openResult;
    }
    int ViewComments(int index) override
    {
        viewed.push_back(index);
        return commentsChanged;
    }
    std::vector<int> opened, viewed;
    int openResult = 1;
    int commentsChanged = 0;
};

class VersionsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Newest first: 12:00 "cara" with a copy of 3000 bytes, 11:00 "bert" without, 10:00 "anna"
        // with a copy of 2 bytes.
        struct Row {
            int hour;
            const char* by;
            const char* comment;
            long start, end;
        } rows[] = {{10, "anna", "first", 0, 2}, {11, "bert", "", -1, -1}, {12, "cara", "third", 2, 3002}};
        for (const Row& r : rows) {
            CVersionDetail v(&writer);
            v.SetDateAndTime(At(r.hour));
            v.SetSavedBy(r.by);
            v.SetComments(const_cast<char*>(r.comment));
            if (r.start >= 0) {
                v.SetContaineFile(1);
                v.SetPosInFile(r.start);
                v.SetPosInFileEnd(r.end);
            }
            versions.AddVersion(v);
        }
    }
    // Runs the dialog with `action` on it; answers DoModal's result.
    INT_PTR Run(HostVersions& host, MiscScriptedUser::Action action)
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_MISC_VERSIONS, std::move(action));
        INT_PTR result = host.DoModal();
        EXPECT_TRUE(user.AllDone()) << user.Report();
        return result;
    }
    static bool Enabled(HWND dlg, int id) { return MiscFindControl(dlg, id).State().enabled; }
    static MiscElement Row(HWND dlg, int row) { return MiscFindControl(dlg, IDC_MISC_VERSIONS_LIST).Item(row); }

    StdioReadWrite writer;
    CVersionsData versions{&writer};
};

} // namespace

TEST_F(VersionsDialog, ColumnsRowsAndTitle)
{
    HostVersions host(&versions, nullptr, " - coat.pat");
    std::string title;
    LRESULT icon = 0;
    std::vector<int> widths;
    std::vector<std::vector<std::string>> cells;
    EXPECT_EQ(Run(host, [&](MiscModal& m) {
                  CWnd* dlg = CWnd::FromHandle(m.hwnd);
                  CString text;
                  dlg->GetWindowText(text);
                  title = text.GetString();
                  icon = SendMessage(m.hwnd, WM_GETICON, ICON_BIG, 0);
                  auto* list = static_cast<CListCtrl*>(dlg->GetDlgItem(IDC_MISC_VERSIONS_LIST));
                  for (int c = 0; c < 4; ++c)
                      widths.push_back(list->GetColumnWidth(c));
                  for (int r = 0; r < list->GetItemCount(); ++r) {
                      cells.emplace_back();
                      for (int c = 0; c < 4; ++c)
                          cells.back().push_back(list->GetItemText(r, c).GetString());
                  }
                  MiscClickButton(m.hwnd, IDOK);
              }),
              0);
    EXPECT_EQ(title, "Version History - coat.pat");
    EXPECT_NE(icon, 0);
    // "Date" + 85, "Saved by" + 73, twice "Stored copy" + 73, twice "Comments" + 250.
    EXPECT_EQ(widths, (std::vector<int>{4 + 85, 8 + 73, 22 + 73, 16 + 250}));
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0][0], std::string(At(12).Format("%c").GetString()));
    EXPECT_EQ(cells[0][1], "cara");
    EXPECT_EQ(cells[0][2], "Yes 3KB");  // 3000 bytes, rounded up
    EXPECT_EQ(cells[0][3], "third");
    EXPECT_EQ(cells[1][2], "No");
    EXPECT_EQ(cells[2][2], "Yes");  // 2 bytes show no size
    EXPECT_FALSE(host.IsChanged());
}

TEST_F(VersionsDialog, ButtonsFollowTheSelection)
{
    HostVersions host(&versions, nullptr, nullptr);
    Run(host, [&](MiscModal& m) {
        const int buttons[] = {IDC_MISC_VERSIONS_OPEN, IDC_MISC_VERSIONS_COMMENTS, IDC_MISC_VERSIONS_DELETE,
                               IDC_MISC_VERSIONS_DELETE_COPY};
        auto states = [&] {
            std::vector<bool> s;
            for (int id : buttons)
                s.push_back(Enabled(m.hwnd, id));
            return s;
        };
        EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false}));
        Row(m.hwnd, 1).Click();  // one version without a copy
        EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false}));
        Row(m.hwnd, 0).Click();  // one with a copy
        EXPECT_EQ(states(), (std::vector<bool>{true, true, true, true}));
        Row(m.hwnd, 1).Click(MISC_MOD_CONTROL);  // two, one with a copy
        EXPECT_EQ(states(), (std::vector<bool>{false, false, true, true}));
        MiscClickButton(m.hwnd, IDOK);
    });
}

TEST_F(VersionsDialog, OpenAndComments)
{
    HostVersions host(&versions, nullptr, nullptr);
    host.commentsChanged = 1;
    EXPECT_EQ(Run(host, [&](MiscModal& m) {
                  Row(m.hwnd, 2).Click();
                  MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_OPEN);  // answers 1: the dialog stays
                  EXPECT_TRUE(IsWindow(m.hwnd));
                  MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_COMMENTS);
                  host.openResult = 0;
                  Row(m.hwnd, 0).Click();
                  MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_OPEN);  // answers 0: the dialog ends
              }),
              1);
    EXPECT_EQ(host.opened, (std::vector<int>{2, 0}));
    EXPECT_EQ(host.viewed, (std::vector<int>{2}));
    EXPECT_TRUE(host.IsChanged());
}

TEST_F(VersionsDialog, DeleteSeveralAndDeleteStoredCopies)
{
    HostVersions host(&versions, nullptr, nullptr);
    int rowsLeft = -1;
    EXPECT_EQ(Run(host, [&](MiscModal& m) {
                  Row(m.hwnd, 0).Click();
                  Row(m.hwnd, 2).Click(MISC_MOD_CONTROL);
                  MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_DELETE_COPY);
                  EXPECT_FALSE(Enabled(m.hwnd, IDC_MISC_VERSIONS_DELETE_COPY));
                  Row(m.hwnd, 0).Click();
                  Row(m.hwnd, 1).Click(MISC_MOD_CONTROL);
                  MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_DELETE);
                  rowsLeft = MiscFindControl(m.hwnd, IDC_MISC_VERSIONS_LIST).ItemCount();
                  MiscClickButton(m.hwnd, IDCANCEL);
              }),
              1);
    EXPECT_EQ(rowsLeft, 1);
    ASSERT_EQ(versions.GetItemCount(), 1);
    EXPECT_EQ(std::string(versions.GetAt(0)->GetSavedBy()), "anna");
    EXPECT_EQ(versions.GetFilesCount(), 0);
}

TEST_F(VersionsDialog, AutomaticSaveToggles)
{
    HostVersions host(&versions, nullptr, nullptr);
    EXPECT_EQ(Run(host, [&](MiscModal& m) {
                  EXPECT_EQ(IsDlgButtonChecked(m.hwnd, IDC_MISC_VERSIONS_AUTOSAVE), BST_UNCHECKED);
                  MiscSetCheck(m.hwnd, IDC_MISC_VERSIONS_AUTOSAVE, BST_CHECKED);
                  MiscClickButton(m.hwnd, IDOK);
              }),
              1);
    EXPECT_EQ(versions.GetAutomaticSaveVersion(), 1);
    EXPECT_TRUE(host.IsChanged());
}
