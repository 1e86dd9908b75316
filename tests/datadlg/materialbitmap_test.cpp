// The material pattern dialog: reading a profile into rows, the size taken from a picture, and
// the dialog driven as a person would (loading, adding with and without Ctrl, deleting, OK with
// its checks and questions, Cancel).
#include <misc/data.h>
#include <misc/datadlg/materialbitmap.h>

#include "datadlg_env.h"
#include "win32/surface.h"

#include <cstdio>
#include <cstring>
#include <functional>

using namespace datadlg_test;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A 24-bit BMP of w by h grey pixels stating ppm pixels per metre (0: no density).
std::string Bitmap(int w, int h, int ppm)
{
    const int stride = (w * 3 + 3) / 4 * 4;
    const int size = 54 + stride * h;
    std::string b(static_cast<size_t>(size), '\x80');
    auto put = [&](int at, int value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[static_cast<size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, size, 4);
    put(6, 0, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(30, 0, 4);
    put(34, stride * h, 4);
    put(38, ppm, 4);
    put(42, ppm, 4);
    put(46, 0, 4);
    put(50, 0, 4);
    return b;
}

int ReadRows(const std::string& text, Rows& out)
{
    FILE* f = tmpfile();
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    CArray<MaterialRow, const MaterialRow&> rows;
    const int result = ReadMaterialRows(f, rows);
    std::fclose(f);
    out.clear();
    for (int i = 0; i < rows.GetSize(); ++i) {
        char numbers[128];
        std::snprintf(numbers, sizeof numbers, "%g %g %g %g", rows[i].sizeX, rows[i].sizeY, rows[i].offsetX,
                      rows[i].offsetY);
        out.push_back({rows[i].name.GetString(), rows[i].file.GetString(), numbers});
    }
    return result;
}

TEST(MaterialRows, ReadingAProfileForTheGrid)
{
    const std::string block = "Block\nMaterial  Denim \nFile  a b.png\nSize 10 20 \nOffset 1 2 \nWeight 3 kg\nCost 4 EUR\nEndBlock\n";
    const struct {
        const char* what;
        std::string text;
        int result;
        Rows rows;
    } cases[] = {
        {"a block and End", block + "End\n", 1, {{"Denim", "a b.png", "10 20 1 2"}}},
        {"End without a newline", block + "End", 1, {{"Denim", "a b.png", "10 20 1 2"}}},
        {"keywords in any case, lines in any order",
         "BLOCK\nmaterial Silk\nOFFSET 5 6\nsize 7 8\nendblock\nend\n", 1, {{"Silk", "", "7 8 5 6"}}},
        {"no End", block, 0, {{"Denim", "a b.png", "10 20 1 2"}}},
        {"a stray line between blocks", block + "Junk\n" + block + "End\n", 0, {{"Denim", "a b.png", "10 20 1 2"}}},
        {"a block without its Material line", "Block\nFile x\nEndBlock\nEnd\n", 0, {}},
        {"an unknown line inside a block", "Block\nMaterial A\nColour red\nEndBlock\nEnd\n", 0, {}},
        {"a block cut off", "Block\nMaterial A\nSize 1 2\n", 0, {}},
        {"CR LF lines", "Block\r\nMaterial A\r\nSize 1 2 \r\nEndBlock\r\nEnd\r\n", 1, {{"A", "", "1 2 0 0"}}},
        {"an empty file", "", 0, {}},
    };
    for (const auto& c : cases) {
        Rows rows;
        EXPECT_EQ(ReadRows(c.text, rows), c.result) << c.what;
        EXPECT_EQ(rows, c.rows) << c.what;
    }
}

TEST(MaterialRows, PictureSizeInCentimetres)
{
    const struct {
        int ppm;
        double width, height;
    } cases[] = {
        {3937, 2.54, 1.27},         // 100 pixels to the inch
        {0, 100 / 72.0 * 2.54, 50 / 72.0 * 2.54}, // no density: 72 pixels to the inch
    };
    for (const auto& c : cases) {
        const std::string bmp = Bitmap(100, 50, c.ppm);
        CImageFile picture;
        ASSERT_TRUE(picture.LoadMemoryData(reinterpret_cast<const BYTE*>(bmp.data()), bmp.size()));
        double w = 0, h = 0;
        MaterialPictureSize(picture, w, h);
        EXPECT_NEAR(w, c.width, 1e-3) << c.ppm;
        EXPECT_NEAR(h, c.height, 1e-3) << c.ppm;
    }
}

class MaterialDialog : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        misc_test::WriteFile(Path("denim.bmp"), Bitmap(100, 50, 3937));
        misc_test::WriteFile(Path("cotton.bmp"), Bitmap(100, 50, 3937));
        misc_test::WriteFile(Path("bad.bmp"), "not a picture");
    }
    void Add(const char* name, const std::string& file, double sx, double sy)
    {
        CMaterialBlock m;
        m.m_name = name;
        std::strcpy(m.m_file, file.c_str());
        m.m_sizeX = sx;
        m.m_sizeY = sy;
        m.m_offsetX = 1;
        materials.Add(m);
    }
    static MiscElement Grid(HWND dialog) { return MiscFindControl(dialog, IDC_MATERIAL_GRID); }
    // Shows the ordinary dialog (lengths in millimetres with one decimal) and runs `act` in it;
    // `more` adds what is expected after the dialog opened.
    int Run(const std::function<void(HWND)>& act, const std::function<void(MiscScriptedUser&)>& more = nullptr,
            bool newForm = false)
    {
        MiscScriptedUser user;
        user.ExpectDialog(newForm ? IDD_MATERIAL_BITMAP_NEW : IDD_MATERIAL_BITMAP, [&](MiscModal& m) { act(m.hwnd); });
        if (more)
            more(user);
        const int result = newForm ? MaterialBitmapDialogNew(materials, 0, 1, 0, 0, 0, 5, "kept")
                                   : MaterialBitmapDialog(materials, 0, 1, 0, 0, 0, 5);
        EXPECT_TRUE(user.AllDone()) << user.Report();
        return result;
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> out;
        for (int i = 0; i < materials.GetSize(); ++i)
            out.push_back(materials[i].m_name.GetString());
        return out;
    }

    CMaterialArray materials;
};

TEST_F(MaterialDialog, ShowsTheMaterialsAndClosesWithoutAPath)
{
    Add("Denim", Path("denim.bmp"), 100, 50);
    const int result = Run([&](HWND dialog) {
        EXPECT_EQ(Cells(Grid(dialog).Window(), 6),
                  (Rows{{"", "", "1.0", "1.0", "0.0", "0.0"}, {"Denim", Path("denim.bmp"), "100.0", "50.0", "1.0", "0.0"}}));
        EXPECT_FALSE(Enabled(dialog, IDC_MATERIAL_DELETE)); // row 1, entry 0, is current
        EXPECT_FALSE(Enabled(dialog, IDC_MATERIAL_LOAD));   // no profile yet
        EXPECT_TRUE(Grid(dialog).Cell(2, 1).Click());
        EXPECT_TRUE(Enabled(dialog, IDC_MATERIAL_DELETE));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    }, [](MiscScriptedUser& user) { user.ExpectFileOpen(""); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "Denim"}));
    EXPECT_EQ(materials[1].m_sizeX, 100);
}

TEST_F(MaterialDialog, OkWritesTheProfileAndRebuildsTheMaterials)
{
    Add("Denim", Path("denim.bmp"), 100, 50);
    materials[1].m_weight = 7;
    const std::string profile = Path("fabrics.fpf");
    const int result = Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, profile.c_str()));
        EXPECT_TRUE(Grid(dialog).Cell(2, 4).TypeText("25"));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(Names(), (std::vector<std::string>{"", "Denim"}));
    EXPECT_EQ(materials[1].m_sizeY, 25);
    EXPECT_EQ(materials[1].m_weight, 0); // weight and cost are not in the table
    EXPECT_NE(materials[1].m_pImage, nullptr);
    const std::string text = misc_test::ReadFile(profile);
    EXPECT_NE(text.find("Material Denim\nFile " + Path("denim.bmp") + "\nSize 100.000000 25.000000 \n"),
              std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 4), "End\n");
    char remembered[MAX_PATH];
    ProfileReadString("MaterialPatterns", "MaterialPatternsFile", "", remembered, MAX_PATH, 1);
    EXPECT_EQ(std::string(remembered), profile);
    CComboItemList names;
    names.Load(COMBO_LIST_MATERIAL_NAME);
    ASSERT_GE(names.GetSize(), 1);
    EXPECT_EQ(names.GetComboItem(0)->m_strName, "Denim");
}

TEST_F(MaterialDialog, APictureThatDoesNotLoad)
{
    Add("Denim", Path("bad.bmp"), 100, 50);
    const std::string profile = Path("fabrics.fpf");
    // Cancel keeps the dialog open; the dialog's own Cancel then leaves everything as it was.
    int result = Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, profile.c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_TRUE(MiscClickButton(dialog, IDCANCEL));
    }, [&](MiscScriptedUser& user) {
        user.ExpectMessageBox(IDCANCEL, ResourceText(IDS_MATERIAL_PICTURE_NOT_LOADED, Path("bad.bmp").c_str()));
    });
    EXPECT_EQ(result, 0);
    EXPECT_STREQ(materials[1].m_file, Path("bad.bmp").c_str());
    EXPECT_EQ(misc_test::ReadFile(profile), "");
    // OK saves the row without its picture, size 0 by 0.
    result = Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, profile.c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    }, [&](MiscScriptedUser& user) { user.ExpectMessageBox(IDOK); });
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(materials[1].m_file, "");
    EXPECT_EQ(materials[1].m_sizeX, 0);
    EXPECT_EQ(materials[1].m_sizeY, 0);
    EXPECT_NE(misc_test::ReadFile(profile).find("Material Denim\nFile \nSize 0.000000 0.000000 \n"), std::string::npos);
}

TEST_F(MaterialDialog, APictureTooSmallAndNamesThatClash)
{
    Add("Denim", Path("denim.bmp"), 0.01, 50);
    Add("denim", "", 0, 0);
    const int result = Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("f.fpf").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK)); // too small: OK drops the picture; the names clash
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_TRUE(MiscClickButton(dialog, IDCANCEL));
    }, [&](MiscScriptedUser& user) {
        user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_PICTURE_TOO_SMALL));
        user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_NAMES_INVALID));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "Denim", "denim"}));
    EXPECT_STREQ(materials[1].m_file, Path("denim.bmp").c_str());
}

TEST_F(MaterialDialog, LoadingAProfileIntoTheGrid)
{
    misc_test::WriteFile(Path("good.fpf"),
                         "Block\nMaterial Silk\nFile s.png\nSize 10 20 \nOffset 1 2 \nEndBlock\n"
                         "Block\nMaterial \nSize 3 4 \nEndBlock\nEnd\n");
    misc_test::WriteFile(Path("broken.fpf"), "Block\nMaterial Wool\nEndBlock\nJunk\n");
    Add("Denim", "", 0, 0);
    Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("good").c_str())); // ".fpf" is added
        EXPECT_TRUE(Enabled(dialog, IDC_MATERIAL_LOAD));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_LOAD));
        EXPECT_EQ(Cells(Grid(dialog).Window(), 6),
                  (Rows{{"", "", "3.0", "4.0", "0.0", "0.0"}, {"Silk", "s.png", "10.0", "20.0", "1.0", "2.0"}}));
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("broken.fpf").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_LOAD));
        EXPECT_EQ(Cells(Grid(dialog).Window(), 6).size(), 2u);
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("missing.fpf").c_str()));
        EXPECT_FALSE(Enabled(dialog, IDC_MATERIAL_LOAD));
        EXPECT_TRUE(MiscClickButton(dialog, IDCANCEL));
    }, [](MiscScriptedUser& user) { user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_PROFILE_BAD_FORMAT)); });
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "Denim"})); // Cancel keeps the materials
}

TEST_F(MaterialDialog, AddWithAndWithoutCtrlAndDelete)
{
    Add("Denim", "", 0, 0);
    Run([&](HWND dialog) {
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_ADD));  // "Silk"
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_ADD));  // "silk", then "", then cancelled
        EXPECT_TRUE(MiscFindControl(dialog, IDC_MATERIAL_ADD).Click(MISC_MOD_CONTROL)); // a picture
        EXPECT_EQ(Cells(Grid(dialog).Window(), 6),
                  (Rows{{"", "", "1.0", "1.0", "0.0", "0.0"},
                        {"Denim", "", "0.0", "0.0", "1.0", "0.0"},
                        {"Silk", "", "0", "0", "0", "0"},
                        {"cotton", Path("cotton.bmp"), "25.4", "12.7", "0", "0"}}));
        EXPECT_TRUE(Enabled(dialog, IDC_MATERIAL_DELETE)); // the new row is current
        // Rows 1 to 3 selected: row 1, entry 0, stays.
        EXPECT_TRUE(Grid(dialog).Item(1).Click());
        EXPECT_TRUE(Grid(dialog).Item(3).Click(MISC_MOD_SHIFT));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_DELETE));
        EXPECT_EQ(Cells(Grid(dialog).Window(), 1), (Rows{{""}, {"cotton"}}));
        EXPECT_TRUE(MiscClickButton(dialog, IDCANCEL));
    }, [&](MiscScriptedUser& user) {
        user.ExpectDialog(IDD_MATERIAL_ADD, [](MiscModal& m) {
            EXPECT_TRUE(MiscSetControlText(m.hwnd, IDC_MATERIAL_ADD_NAME, " Silk "));
            MiscClickButton(m.hwnd, IDOK);
        });
        user.ExpectDialog(IDD_MATERIAL_ADD, [](MiscModal& m) {
            // The remembered names are offered, the last added first.
            EXPECT_TRUE(MiscFindControl(m.hwnd, IDC_MATERIAL_ADD_NAME).Item(0).Text() == "Silk");
            EXPECT_TRUE(MiscSetControlText(m.hwnd, IDC_MATERIAL_ADD_NAME, "silk"));
            MiscClickButton(m.hwnd, IDOK);
            EXPECT_TRUE(MiscSetControlText(m.hwnd, IDC_MATERIAL_ADD_NAME, ""));
            MiscClickButton(m.hwnd, IDOK);
            MiscClickButton(m.hwnd, IDCANCEL);
        });
        user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_NAME_EXISTS));
        user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_NAME_EMPTY));
        user.ExpectFileOpen(Path("cotton.bmp"));
    });
}

TEST_F(MaterialDialog, NewFormChoosesTheProfileInItsOwnDialog)
{
    misc_test::WriteFile(Path("p.fpf"), "Block\nMaterial Linen\nSize 5 6 \nEndBlock\nEnd\n");
    SetFabricPatternFileName(Path("old.fpf").c_str());
    Run([&](HWND dialog) {
        char title[MAX_PATH] = "";
        GetWindowTextA(dialog, title, MAX_PATH);
        EXPECT_EQ(std::string(title), Path("old.fpf"));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_CHOOSE_PROFILE));
        GetWindowTextA(dialog, title, MAX_PATH);
        EXPECT_EQ(std::string(title), Path("p.fpf"));
        EXPECT_EQ(Cells(Grid(dialog).Window(), 1), (Rows{{""}, {"Linen"}}));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    }, [&](MiscScriptedUser& user) {
        user.ExpectDialog(IDD_MATERIAL_PROFILE, [&](MiscModal& m) {
            EXPECT_EQ(MiscGetControlText(m.hwnd, IDC_MATERIAL_PATH), Path("old.fpf"));
            EXPECT_FALSE(Enabled(m.hwnd, IDC_MATERIAL_LOAD));
            EXPECT_TRUE(MiscSetControlText(m.hwnd, IDC_MATERIAL_PATH, Path("p.fpf").c_str()));
            EXPECT_TRUE(Enabled(m.hwnd, IDC_MATERIAL_LOAD));
            MiscClickButton(m.hwnd, IDC_MATERIAL_LOAD);
        });
    }, true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "Linen"}));
    EXPECT_EQ(materials[1].m_sizeY, 6);
}

TEST_F(MaterialDialog, PictureButtonSizeFromPictureAndPreview)
{
    Add("Denim", "", 0, 0);
    auto centre = [](HWND preview) {
        const MiscSurface shot = MiscCaptureWindow(preview);
        return shot.row(shot.height / 2)[shot.width / 2];
    };
    Run([&](HWND dialog) {
        MiscElement cell = Grid(dialog).Cell(2, MatGridCtrl::kFile);
        const RECT r = cell.State().rect;
        MiscClickAt(Grid(dialog).Window(), POINT{r.right - 4, (r.top + r.bottom) / 2}); // its "..." button
        EXPECT_EQ(cell.Text(), Path("cotton.bmp"));
        EXPECT_EQ(Grid(dialog).Cell(2, MatGridCtrl::kSizeX).Text(), "25.4");
        EXPECT_EQ(Grid(dialog).Cell(2, MatGridCtrl::kSizeY).Text(), "12.7");
        const HWND preview = GetDlgItem(dialog, IDC_MATERIAL_PREVIEW);
        EXPECT_EQ(centre(preview), MiscPixelFromColor(RGB(0x80, 0x80, 0x80))); // the picture is shown
        EXPECT_TRUE(Grid(dialog).Cell(2, MatGridCtrl::kSizeX).TypeText("3"));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MATERIAL_SIZE_FROM_PICTURE));
        EXPECT_EQ(Grid(dialog).Cell(2, MatGridCtrl::kSizeX).Text(), "25.4");
        EXPECT_TRUE(Grid(dialog).Cell(1, MatGridCtrl::kSizeX).Click());
        EXPECT_EQ(centre(preview), MiscPixelFromColor(GetSysColor(COLOR_WINDOW))); // entry 0 has none
        EXPECT_TRUE(MiscClickButton(dialog, IDCANCEL));
    }, [&](MiscScriptedUser& user) { user.ExpectFileOpen(Path("cotton.bmp")); });
}

TEST_F(MaterialDialog, WritingTheProfile)
{
    Add("Denim", "", 0, 0);
    misc_test::WriteFile(Path("notes.txt"), "Shopping list\n");
    int result = Run([&](HWND dialog) {
        // A folder that does not exist cannot take the file.
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("no/such/folder/f.fpf").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
        // Another kind of file is overwritten only when the user says so.
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("notes.txt").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    }, [&](MiscScriptedUser& user) {
        user.ExpectMessageBox(IDOK, ResourceText(IDS_MATERIAL_PROFILE_OPEN_FAILED));
        user.ExpectMessageBox(IDNO, ResourceText(IDS_MATERIAL_OVERWRITE_FILE));
        user.ExpectMessageBox(IDYES, ResourceText(IDS_MATERIAL_OVERWRITE_FILE));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(misc_test::ReadFile(Path("notes.txt")).substr(0, 6), "Block\n");
    // A file of blocks, whatever its name, is replaced without a question.
    result = Run([&](HWND dialog) {
        EXPECT_TRUE(MiscSetControlText(dialog, IDC_MATERIAL_PATH, Path("notes.txt").c_str()));
        EXPECT_TRUE(MiscClickButton(dialog, IDOK));
    });
    EXPECT_EQ(result, 1);
}

} // namespace
