// Gallery pictures of the data tables: the tool layers table with a tool list imported into it,
// and the material pattern dialog with three materials, the current one's pattern in the
// preview. Sample files go to a temporary folder; nothing is saved to the profile.
#include <misc/datadlg/materialbitmap.h>
#include <misc/datadlg/toolslayers.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "gallery.h"
#include "win32/automation.h"
#include "win32/script.h"

namespace misctool {

namespace {

std::string SampleFolder()
{
    std::error_code ec;
    const auto dir = std::filesystem::temp_directory_path(ec) / "misctool-gallery-tables";
    std::filesystem::create_directories(dir, ec);
    return dir.string();
}

bool WriteText(const std::string& path, const std::string& text)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

// A 24-bit BMP of a woven pattern: diagonal twill lines of two colours over a base colour
// (COLORREF values), 100 pixels to the inch.
bool WritePattern(const std::string& path, COLORREF base, COLORREF line, int period)
{
    const int w = 96, h = 96, stride = w * 3;
    std::string b(54 + static_cast<size_t>(stride * h), '\0');
    auto put = [&](int at, int value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[static_cast<size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, static_cast<int>(b.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, stride * h, 4);
    put(38, 3937, 4);
    put(42, 3937, 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = ((x + y) % period) < period / 3 ? line : base;
            const size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
            b[at] = static_cast<char>(GetBValue(c));
            b[at + 1] = static_cast<char>(GetGValue(c));
            b[at + 2] = static_cast<char>(GetRValue(c));
        }
    return WriteText(path, b);
}

} // namespace

bool GalleryToolsLayersTable(const std::string& png, std::string& error)
{
    const std::string lyt = SampleFolder() + "/cutting_room.lyt";
    if (!WriteText(lyt, "100 Knife\n105 Drill\n110 Notch\n120 Pen_black\n121 Pen_red\n130 Marker\n"
                        "140 Creaser\n150 Punch_4mm\n")) {
        error = "cannot write " + lyt;
        return false;
    }
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        if (m.kind == MiscModalKind::Dialog && m.templateId == IDD_TOOLS_LAYERS_TABLE) {
            MiscSetControlText(m.hwnd, IDC_LAYERS_IMPORT_PATH, lyt.c_str());
            MiscClickButton(m.hwnd, IDC_LAYERS_IMPORT);
            MiscFindControl(m.hwnd, IDC_LAYERS_GRID).Cell(3, 2).Click();
            MiscClickButton(m.hwnd, IDC_LAYERS_NEW);
            MiscFindControl(m.hwnd, IDC_LAYERS_GRID).Cell(5, 2).TypeText("Pen_red");
            MiscClickButton(m.hwnd, IDC_LAYERS_SAVE); // refused: the check's message shows
            ok = CaptureToPng(m.hwnd, png, error);
            MiscClickButton(m.hwnd, IDCANCEL);
        } else if (m.kind == MiscModalKind::MessageBox) {
            MiscClickButton(m.hwnd, IDNO);
        } else if (m.hwnd) {
            MiscClickButton(m.hwnd, IDCANCEL);
        }
    });
    ToolsLayersTable(0);
    MiscSetModalHandler(previous);
    return ok;
}

bool GalleryMaterialPattern(const std::string& png, std::string& error)
{
    const std::string dir = SampleFolder();
    struct Sample {
        const char* name;
        const char* file;
        COLORREF base, line;
        int period;
        double sizeX, sizeY;
    } const samples[] = {
        {"Denim", "denim.bmp", RGB(40, 60, 110), RGB(170, 185, 210), 6, 24.4, 24.4},
        {"Tweed", "tweed.bmp", RGB(110, 90, 60), RGB(200, 180, 140), 12, 30, 30},
        {"Canvas", "canvas.bmp", RGB(215, 205, 180), RGB(160, 150, 125), 4, 12.5, 12.5},
    };
    CMaterialArray materials;
    for (const Sample& s : samples) {
        const std::string path = dir + "/" + s.file;
        if (!WritePattern(path, s.base, s.line, s.period)) {
            error = "cannot write " + path;
            return false;
        }
        CMaterialBlock m;
        m.m_name = s.name;
        std::strncpy(m.m_file, path.c_str(), MAX_PATH - 1);
        m.m_sizeX = s.sizeX;
        m.m_sizeY = s.sizeY;
        materials.Add(m);
    }
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        if (m.kind == MiscModalKind::Dialog && m.templateId == IDD_MATERIAL_BITMAP) {
            MiscSetControlText(m.hwnd, IDC_MATERIAL_PATH, (dir + "/fabrics.fpf").c_str());
            MiscFindControl(m.hwnd, IDC_MATERIAL_GRID).Cell(2, 1).Click();
            ok = CaptureToPng(m.hwnd, png, error);
        }
        if (m.hwnd)
            MiscClickButton(m.hwnd, IDCANCEL);
    });
    MaterialBitmapDialog(materials, 0, 1, 0, 0, 0, 0);
    MiscSetModalHandler(previous);
    return ok;
}

} // namespace misctool
