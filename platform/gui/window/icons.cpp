// Cursors and icons. The standard ones (IDC_*, IDI_*) are handles of their own; the system icons
// are drawn in the classic style when an icon is painted. Icons of a module are decoded from the
// module's icon resources (window/icondecode.h) and painted with their transparency.
#include "window/wndsys.h"
#include "window/icondecode.h"
#include "win32/module.h"

#include <map>
#include <memory>

using namespace wndsys;

namespace {

struct IconRec {
    int standard = 0;        // IDI_* / IDC_* number, or 0
    bool cursor = false;
    bool shared = true;      // standard and resource icons are shared and never destroyed
    HMODULE module = nullptr;
    UINT id = 0;
    MiscSurface image; // decoded picture of a module's icon (empty when it could not be read)
};

struct IconTable {
    std::map<std::pair<uintptr_t, uintptr_t>, std::unique_ptr<IconRec>> byKey;
};

IconTable& Icons()
{
    static IconTable* table = new IconTable;
    return *table;
}

HICON Lookup(HINSTANCE module, LPCSTR name, bool cursor)
{
    if (!IS_INTRESOURCE(name))
        return nullptr; // named icon resources are not kept by the resource compiler
    UINT id = static_cast<UINT>(reinterpret_cast<uintptr_t>(name));
    uintptr_t kind = reinterpret_cast<uintptr_t>(module) * 2 + (cursor ? 1 : 0);
    auto key = std::make_pair(kind, static_cast<uintptr_t>(id));
    auto& table = Icons().byKey;
    auto it = table.find(key);
    if (it != table.end())
        return reinterpret_cast<HICON>(it->second.get());
    const MiscResBlob* blob = nullptr;
    if (module) {
        // A cursor comes from the module's cursors (an icon of that number serves as well); a
        // missing resource gives no handle.
        blob = cursor ? MiscFindCursor(module, id) : nullptr;
        if (!blob)
            blob = MiscFindIcon(module, id);
        if (!blob)
            return nullptr;
    } else if (id < 32512 || id > 32651) {
        return nullptr;
    }
    auto rec = std::make_unique<IconRec>();
    rec->standard = module ? 0 : static_cast<int>(id);
    rec->cursor = cursor;
    rec->module = module;
    rec->id = id;
    if (blob)
        DecodeIconResource(blob->data, blob->size, GetSystemMetrics(SM_CXICON), &rec->image);
    HICON handle = reinterpret_cast<HICON>(rec.get());
    table[key] = std::move(rec);
    return handle;
}

const IconRec* FindIcon(HICON icon)
{
    for (auto& entry : Icons().byKey)
        if (reinterpret_cast<HICON>(entry.second.get()) == icon)
            return entry.second.get();
    return nullptr;
}

void Disc(HDC dc, const RECT& r, COLORREF fill, COLORREF edge)
{
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, edge);
    HGDIOBJ ob = SelectObject(dc, brush), op = SelectObject(dc, pen);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, ob);
    SelectObject(dc, op);
    DeleteObject(brush);
    DeleteObject(pen);
}

void Glyph(HDC dc, const RECT& r, const char* text, COLORREF color, int height)
{
    HFONT font = CreateFontA(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Times New Roman");
    HGDIOBJ of = SelectObject(dc, font);
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF oc = SetTextColor(dc, color);
    RECT box = r;
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oc);
    SetBkMode(dc, mode);
    SelectObject(dc, of);
    DeleteObject(font);
}

void DrawStandardIcon(HDC dc, int id, const RECT& r)
{
    int size = r.right - r.left;
    RECT inner = r;
    InflateRect(&inner, -size / 16, -size / 16);
    switch (id) {
    case 32513: // IDI_HAND: a red disc with a white cross
        Disc(dc, inner, RGB(255, 0, 0), RGB(128, 0, 0));
        Glyph(dc, inner, "X", RGB(255, 255, 255), size * 5 / 8);
        break;
    case 32514: // IDI_QUESTION
        Disc(dc, inner, RGB(255, 255, 255), RGB(0, 0, 128));
        Glyph(dc, inner, "?", RGB(0, 0, 255), size * 3 / 4);
        break;
    case 32515: { // IDI_EXCLAMATION: a yellow triangle with a black mark
        POINT tri[3] = {{(r.left + r.right) / 2, inner.top}, {inner.right, inner.bottom - 1}, {inner.left, inner.bottom - 1}};
        HBRUSH brush = CreateSolidBrush(RGB(255, 255, 0));
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ ob = SelectObject(dc, brush), op = SelectObject(dc, pen);
        Polygon(dc, tri, 3);
        SelectObject(dc, ob);
        SelectObject(dc, op);
        DeleteObject(brush);
        DeleteObject(pen);
        RECT mark = inner;
        mark.top += size / 6;
        Glyph(dc, mark, "!", RGB(0, 0, 0), size * 5 / 8);
        break;
    }
    case 32516: // IDI_ASTERISK: information
        Disc(dc, inner, RGB(255, 255, 255), RGB(0, 0, 128));
        Glyph(dc, inner, "i", RGB(0, 0, 255), size * 3 / 4);
        break;
    default: { // IDI_APPLICATION, IDI_WINLOGO: a small window
        RECT frame = inner;
        FillRect(dc, &frame, GetSysColorBrush(COLOR_WINDOW));
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
        RECT bar{frame.left + 1, frame.top + 1, frame.right - 1, frame.top + 1 + size / 5};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_ACTIVECAPTION));
        break;
    }
    }
}

// Paints a decoded picture scaled to (cx, cy), blending by its alpha.
void DrawPicture(HDC dc, int x, int y, int cx, int cy, const MiscSurface& image)
{
    if (image.width == 0 || image.height == 0)
        return;
    for (int ty = 0; ty < cy; ++ty) {
        const uint32_t* row = image.row(ty * image.height / cy);
        for (int tx = 0; tx < cx; ++tx) {
            uint32_t p = row[tx * image.width / cx];
            uint32_t a = p >> 24;
            if (a == 0)
                continue;
            COLORREF c = MiscColorFromPixel(p);
            if (a < 255) {
                COLORREF under = GetPixel(dc, x + tx, y + ty);
                if (under == CLR_INVALID)
                    continue;
                auto mix = [a](uint32_t s, uint32_t d) { return (s * a + d * (255 - a)) / 255; };
                c = RGB(mix(GetRValue(c), GetRValue(under)), mix(GetGValue(c), GetGValue(under)),
                        mix(GetBValue(c), GetBValue(under)));
            }
            SetPixelV(dc, x + tx, y + ty, c);
        }
    }
}

} // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) { return Lookup(instance, name, true); }
HICON LoadIconA(HINSTANCE instance, LPCSTR name) { return Lookup(instance, name, false); }
BOOL DestroyCursor(HCURSOR cursor) { return FindIcon(cursor) != nullptr; }
BOOL DestroyIcon(HICON icon) { return FindIcon(icon) != nullptr; }

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT)
{
    const IconRec* rec = FindIcon(icon);
    if (!rec || !dc)
        return FALSE;
    if (cx <= 0)
        cx = GetSystemMetrics(SM_CXICON);
    if (cy <= 0)
        cy = GetSystemMetrics(SM_CYICON);
    if (rec->standard && !rec->cursor)
        DrawStandardIcon(dc, rec->standard, RECT{x, y, x + cx, y + cy});
    else
        DrawPicture(dc, x, y, cx, cy, rec->image);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, 0);
}

BOOL MiscDecodeIcon(const void* data, size_t size, int wanted, MiscSurface* out)
{
    return DecodeIconResource(static_cast<const unsigned char*>(data), size, wanted, out) ? TRUE : FALSE;
}
