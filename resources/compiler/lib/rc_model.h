#pragma once
// The resource compiler's model of a resource script: what the script defines, before it is
// written out as the C++ tables of win32/resdata.h.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace misc_rc {

struct Control {
    std::string className; // canonical upper case for the standard classes
    std::string text;      // caption; for pictures the resource number or name as text
    int id = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct Dialog {
    uint32_t id = 0;
    bool extended = false; // DIALOGEX
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    bool hasCaption = false;
    std::string caption;
    bool hasFont = false;
    std::string fontFace;
    int fontPointSize = 0;
    bool hasMenu = false;
    std::string menuName; // the menu's number as text, or its name
    std::vector<Control> controls;
};

struct MenuItem {
    int level = 0;
    bool popup = false;
    bool separator = false;
    uint32_t id = 0;
    std::string text;
    uint32_t flags = 0;
};

struct Menu {
    uint32_t id = 0;
    bool extended = false; // MENUEX
    std::vector<MenuItem> items;
};

// A bitmap or an icon: the bytes of the file the script names.
struct Blob {
    uint32_t id = 0;
    std::string name; // the symbol the script used for it, empty for a plain number
    std::string path; // the file as found
    std::vector<unsigned char> data;
};

// One entry of an accelerator table, as an ACCEL record.
struct Accel {
    uint8_t flags = 0; // FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT
    uint16_t key = 0;
    uint16_t cmd = 0;
};

struct AccelTable {
    uint32_t id = 0;
    std::vector<Accel> entries;
};

// Initial strings of a dialog's combo boxes and list boxes.
struct DlgInitEntry {
    int control = 0;
    uint32_t message = 0; // CB_ADDSTRING or LB_ADDSTRING (Win32 numbers)
    std::string text;
};

struct DlgInit {
    uint32_t id = 0;
    std::vector<DlgInitEntry> entries;
};

struct ToolBar {
    uint32_t id = 0;
    int buttonWidth = 0, buttonHeight = 0;
    std::vector<uint32_t> commands; // 0 for a separator
};

struct Script {
    std::map<uint32_t, std::string> strings; // sorted by number
    std::vector<Dialog> dialogs;
    std::vector<Menu> menus;
    std::vector<Blob> bitmaps;
    std::vector<Blob> icons;
    std::vector<Blob> cursors;
    std::vector<AccelTable> accelerators;
    std::vector<DlgInit> dlgInits;
    std::vector<ToolBar> toolBars;
};

// A problem found in a script, with its place.
struct Diagnostic {
    std::string file;
    int line = 0;
    std::string message;
};

std::string FormatDiagnostic(const Diagnostic& d);

} // namespace misc_rc
