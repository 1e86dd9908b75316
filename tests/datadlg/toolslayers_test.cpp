// The tool layers table, driven as a person would: its buttons with and without Shift and Ctrl,
// cell edits, the check message, the files, and closing with and without saving.
#include <misc/data.h>
#include <misc/datadlg/toolslayers.h>

#include "datadlg_env.h"

#include <functional>

using namespace datadlg_test;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ToolsLayers : public DialogTest {
protected:
    // Stores the tools in the profile, as a save of the table would.
    void Seed(const std::vector<std::pair<int, const char*>>& tools)
    {
        CToolsArray a;
        for (const auto& t : tools)
            a.Add(CToolsBlock(t.second, t.first));
        a.SaveTools();
    }
    // The tools the profile holds.
    Rows Saved()
    {
        CToolsArray a;
        a.LoadTools();
        Rows out;
        for (int i = 0; i < a.GetSize(); ++i)
            out.push_back({std::to_string(a[i].m_number), a[i].m_name.GetString()});
        return out;
    }
    // Opens the table, runs `act` on it, then runs `close`; the dialog's result.
    int Run(const std::function<void(HWND dialog, MiscElement grid)>& act,
            const std::function<void(MiscScriptedUser&)>& afterwards = nullptr, int close = IDCANCEL)
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_TOOLS_LAYERS_TABLE, [&](MiscModal& m) {
            act(m.hwnd, MiscFindControl(m.hwnd, IDC_LAYERS_GRID));
            if (IsWindow(m.hwnd))
                MiscClickButton(m.hwnd, close);
        });
        if (afterwards)
            afterwards(user);
        const int result = ToolsLayersTable(7);
        EXPECT_TRUE(user.AllDone()) << user.Report();
        return result;
    }
};

TEST_F(ToolsLayers, NewLayerNumbersAndPlaces)
{
    const struct {
        const char* what;
        std::vector<std::pair<int, const char*>> tools;
        int selectRow; // 0: as opened (the first row selected)
        UINT modifiers;
        Rows expected;
        int newRow;
    } cases[] = {
        {"empty table", {}, 0, 0, {{"100", "NEW_LAYER"}}, 1},
        {"after the last", {{100, "Knife"}, {120, "Pen"}}, 0, 0, {{"100", "Knife"}, {"120", "Pen"}, {"121", "NEW_LAYER"}}, 3},
        {"Shift: before the first, smallest free number",
         {{100, "Knife"}, {101, "Pen"}, {103, "Saw"}}, 0, MISC_MOD_SHIFT,
         {{"102", "NEW_LAYER"}, {"100", "Knife"}, {"101", "Pen"}, {"103", "Saw"}}, 1},
        {"after a selected row", {{100, "Knife"}, {120, "Pen"}, {130, "Saw"}}, 2, 0,
         {{"100", "Knife"}, {"120", "Pen"}, {"121", "NEW_LAYER"}, {"130", "Saw"}}, 3},
        {"Shift: at a selected row", {{100, "Knife"}, {120, "Pen"}, {130, "Saw"}}, 3, MISC_MOD_SHIFT,
         {{"100", "Knife"}, {"120", "Pen"}, {"129", "NEW_LAYER"}, {"130", "Saw"}}, 3},
        {"the next number is taken", {{121, "Pen"}, {100, "Knife"}, {120, "Saw"}}, 2, 0,
         {{"100", "Knife"}, {"120", "Saw"}, {"101", "NEW_LAYER"}, {"121", "Pen"}}, 3},
        {"no number after the last valid one", {{TOOLS_MAX_NUMBER, "Top"}}, 0, 0, {{"32767", "Top"}, {"100", "NEW_LAYER"}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Seed(c.tools);
        Run([&](HWND dialog, MiscElement grid) {
            EXPECT_FALSE(Enabled(dialog, IDC_LAYERS_SAVE));
            EXPECT_FALSE(Enabled(dialog, IDC_LAYERS_SAVE_TOOL));
            if (c.selectRow) {
                EXPECT_TRUE(grid.Cell(c.selectRow, 2).Click());
            }
            EXPECT_TRUE(MiscFindControl(dialog, IDC_LAYERS_NEW).Click(c.modifiers));
            EXPECT_EQ(Cells(grid.Window(), 2), c.expected);
            EXPECT_TRUE(grid.Item(c.newRow).State().selected);
            EXPECT_TRUE(Enabled(dialog, IDC_LAYERS_SAVE));
            EXPECT_TRUE(Enabled(dialog, IDC_LAYERS_SAVE_TOOL));
        }, [](MiscScriptedUser& user) { user.ExpectMessageBox(IDNO, ResourceText(IDS_LAYERS_SAVE_QUESTION)); });
    }
}

TEST_F(ToolsLayers, CheckMessages)
{
    struct Edit {
        int row, col;
        const char* text;
    };
    const struct {
        const char* what;
        std::vector<Edit> edits;
        std::string message;
    } cases[] = {
        {"names equal but for case", {{1, 2, "pen"}}, ResourceText(IDS_LAYERS_NAME_TWICE, "pen", 100, 120)},
        {"a number below 100", {{1, 1, "99"}}, ResourceText(IDS_LAYERS_NUMBER_RANGE, 99)},
        {"a number above 32767", {{2, 1, "32768"}}, ResourceText(IDS_LAYERS_NUMBER_RANGE, 32768)},
        {"a number twice", {{2, 1, "100"}}, ResourceText(IDS_LAYERS_NUMBER_TWICE, 100)},
        {"an unnamed tool is not checked", {{1, 2, " "}, {1, 1, "99"}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Seed({{100, "Knife"}, {120, "Pen"}});
        Run([&](HWND dialog, MiscElement grid) {
            for (const Edit& e : c.edits)
                EXPECT_TRUE(grid.Cell(e.row, e.col).TypeText(e.text));
            EXPECT_TRUE(Enabled(dialog, IDC_LAYERS_SAVE)); // an edit marks the list changed
            EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_SAVE));
            EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), c.message);
            // Invalid: nothing saved, still changed, so closing does not ask either.
            EXPECT_EQ(Enabled(dialog, IDC_LAYERS_SAVE), !c.message.empty());
        });
        if (c.message.empty())
            EXPECT_EQ(Saved(), (Rows{{"120", "Pen"}}));
        else
            EXPECT_EQ(Saved(), (Rows{{"100", "Knife"}, {"120", "Pen"}})) << "nothing is saved while the list is invalid";
    }
}

TEST_F(ToolsLayers, SortWithShiftAndCtrl)
{
    const struct {
        UINT modifiers;
        Rows expected;
    } cases[] = {
        {0, {{"100", "c"}, {"200", "A"}, {"300", "b"}}},
        {MISC_MOD_SHIFT, {{"300", "b"}, {"200", "A"}, {"100", "c"}}},
        {MISC_MOD_CONTROL, {{"200", "A"}, {"300", "b"}, {"100", "c"}}},
        {MISC_MOD_CONTROL | MISC_MOD_SHIFT, {{"100", "c"}, {"300", "b"}, {"200", "A"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modifiers);
        Seed({{300, "b"}, {100, "c"}, {200, "A"}});
        Run([&](HWND dialog, MiscElement grid) {
            EXPECT_TRUE(grid.Cell(2, 2).Click());
            EXPECT_TRUE(MiscFindControl(dialog, IDC_LAYERS_SORT).Click(c.modifiers));
            EXPECT_EQ(Cells(grid.Window(), 2), c.expected);
            EXPECT_TRUE(grid.Item(1).State().selected);
            EXPECT_FALSE(Enabled(dialog, IDC_LAYERS_SAVE)); // the order is not saved
        });
    }
}

TEST_F(ToolsLayers, DeleteSelectsTheRowAtTheSamePlace)
{
    const struct {
        int row;
        Rows expected;
        int selected;
    } cases[] = {
        {2, {{"100", "A"}, {"120", "C"}, {"130", "D"}}, 2},
        {1, {{"110", "B"}, {"120", "C"}, {"130", "D"}}, 3},
        {4, {{"100", "A"}, {"110", "B"}, {"120", "C"}}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Seed({{100, "A"}, {110, "B"}, {120, "C"}, {130, "D"}});
        Run([&](HWND dialog, MiscElement grid) {
            EXPECT_TRUE(grid.Cell(c.row, 1).Click());
            EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_DELETE));
            EXPECT_EQ(Cells(grid.Window(), 2), c.expected);
            EXPECT_TRUE(grid.Item(c.selected).State().selected);
        }, [](MiscScriptedUser& user) { user.ExpectMessageBox(IDNO); });
    }
}

TEST_F(ToolsLayers, ImportReplaceAndMergeWithShift)
{
    misc_test::WriteFile(Path("in.lyt"), "100 NewKnife\n300 Marker\n");
    const struct {
        const char* what;
        int button;
        UINT modifiers;
        Rows expected;
    } cases[] = {
        {"replace", IDC_LAYERS_IMPORT, 0, {{"100", "NewKnife"}, {"300", "Marker"}}},
        {"merge keeps names", IDC_LAYERS_MERGE, 0, {{"100", "Knife"}, {"200", "Pen"}, {"300", "Marker"}}},
        {"merge with Shift takes the file's names", IDC_LAYERS_MERGE, MISC_MOD_SHIFT,
         {{"100", "NewKnife"}, {"200", "Pen"}, {"300", "Marker"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Seed({{100, "Knife"}, {200, "Pen"}});
        Run([&](HWND dialog, MiscElement grid) {
            EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_IMPORT_PATH, Path("in.lyt").c_str()));
            EXPECT_TRUE(MiscFindControl(dialog, c.button).Click(c.modifiers));
            EXPECT_EQ(Cells(grid.Window(), 2), c.expected);
            EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), "");
            EXPECT_TRUE(Enabled(dialog, IDC_LAYERS_SAVE)); // not in the profile yet
        }, [](MiscScriptedUser& user) { user.ExpectMessageBox(IDYES); }, IDOK);
        EXPECT_EQ(Saved(), c.expected);
    }
}

TEST_F(ToolsLayers, ImportFailuresAndTheFileChooser)
{
    Seed({{100, "Knife"}});
    misc_test::WriteFile(Path("chosen.lyt"), "150 Drill\n");
    Run([&](HWND dialog, MiscElement grid) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_IMPORT_PATH, Path("missing.lyt").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_IMPORT));
        EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), ResourceText(IDS_LAYERS_IMPORT_FAILED));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_MERGE));
        EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), ResourceText(IDS_LAYERS_MERGE_FAILED));
        EXPECT_EQ(Cells(grid.Window(), 2), (Rows{{"100", "Knife"}}));
        // An empty path asks for the file; Cancel changes nothing, a chosen file is read.
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_IMPORT_PATH, ""));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_IMPORT));
        EXPECT_EQ(Cells(grid.Window(), 2), (Rows{{"100", "Knife"}}));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_IMPORT));
        EXPECT_EQ(Cells(grid.Window(), 2), (Rows{{"150", "Drill"}}));
    }, [&](MiscScriptedUser& user) {
        user.Expect(MiscModalKind::FileOpen, [](const MiscModal& m) {
            return m.defExt == "lyt" && m.filter == ResourceText(IDS_LAYERS_FILTER) &&
                   m.caption == ResourceText(IDS_LAYERS_FILE_TITLE);
        }, [](MiscModal& m) { m.answered = false; }, "the tool layers file chooser");
        user.ExpectFileOpen(Path("chosen.lyt"));
        user.ExpectMessageBox(IDNO);
    });
    EXPECT_EQ(Saved(), (Rows{{"100", "Knife"}}));
}

TEST_F(ToolsLayers, ExportAndItsPathMessage)
{
    Seed({{100, "Knife"}, {102, "Pen"}});
    Run([&](HWND dialog, MiscElement) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_EXPORT_PATH, "x"));
        EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), "");
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_EXPORT_PATH, ""));
        EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), ResourceText(IDS_LAYERS_EXPORT_PATH_EMPTY));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_EXPORT)); // asks where
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_LAYERS_EXPORT_PATH, Path("no/such/folder/out.lyt").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_EXPORT));
        EXPECT_EQ(MiscGetControlText(dialog, IDC_LAYERS_MESSAGE), ResourceText(IDS_LAYERS_EXPORT_FAILED));
    }, [&](MiscScriptedUser& user) { user.ExpectFileSave(Path("out.lyt")); });
    EXPECT_EQ(misc_test::ReadFile(Path("out.lyt")), "100 Knife\n102 Pen\n");
}

TEST_F(ToolsLayers, SaveAndReload)
{
    Seed({{100, "Knife"}});
    Run([&](HWND dialog, MiscElement grid) {
        EXPECT_TRUE(grid.Cell(1, 2).TypeText("Cutter"));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_SAVE_TOOL));
        EXPECT_EQ(Saved(), (Rows{{"100", "Cutter"}}));
        EXPECT_FALSE(Enabled(dialog, IDC_LAYERS_SAVE));
        EXPECT_TRUE(grid.Cell(1, 2).TypeText("Other"));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_LAYERS_RELOAD));
        EXPECT_EQ(Cells(grid.Window(), 2), (Rows{{"100", "Cutter"}}));
        EXPECT_FALSE(Enabled(dialog, IDC_LAYERS_SAVE_TOOL));
    }); // unchanged after the reload: Cancel asks nothing
}

TEST_F(ToolsLayers, ClosingAsksOnlyWhenChangedAndValid)
{
    const struct {
        const char* what;
        int close;
        const char* name;   // typed over tool 100's name; null: no edit
        int answer;         // 0: no question
        const char* saved;  // tool 100's name in the profile afterwards
    } cases[] = {
        {"OK unchanged", IDOK, nullptr, 0, "Knife"},
        {"Cancel unchanged", IDCANCEL, nullptr, 0, "Knife"},
        {"OK changed, Yes", IDOK, "Cutter", IDYES, "Cutter"},
        {"OK changed, No", IDOK, "Cutter", IDNO, "Knife"},
        {"Cancel changed, Yes", IDCANCEL, "Cutter", IDYES, "Cutter"},
        {"Cancel changed, No", IDCANCEL, "Cutter", IDNO, "Knife"},
        {"changed but invalid", IDOK, "pen", 0, "Knife"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Seed({{100, "Knife"}, {101, "Pen"}});
        const int result = Run([&](HWND, MiscElement grid) {
            if (c.name) {
                EXPECT_TRUE(grid.Cell(1, 2).TypeText(c.name));
            }
        }, [&](MiscScriptedUser& user) {
            if (c.answer)
                user.ExpectMessageBox(c.answer, ResourceText(IDS_LAYERS_SAVE_QUESTION));
        }, c.close);
        EXPECT_EQ(result, c.close);
        EXPECT_EQ(Saved().at(0).at(1), c.saved);
    }
}

} // namespace
