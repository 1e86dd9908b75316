#pragma once
// The scripted user's reach: everything a person can point at, found without pixel coordinates,
// and the things a person does to it.
//
// An element is a window plus a path of items inside it: an empty path is the window (a control)
// itself; {3} is the fourth entry of a list box, combo box, list view, tab control or menu; {0, 2}
// is the third child of the first item of a tree or of a property grid's first category; a
// column other than -1 names a cell (table rows, list view sub-items).
//
// Every verb acts the way a person would: mouse input at the item's place on screen (where the
// control reports it), or keys at the focus; then the window system settles (MiscSettle). Nothing
// sets a control's state behind its back, so the control sends the notifications a person's
// action sends.
//
// What a control offers is answered by its automation provider, registered per window class name
// with MiscRegisterAutomationProvider. The standard controls (Button, Static, Edit, ComboBox,
// ListBox, SysListView32, msctls_trackbar32, msctls_updown32) and the tab control and menu pop-up
// classes are known from the start; a control of the toolkit registers its own provider with one
// explicit call at its start-up (no static constructors).
#include <memory>
#include <string>
#include <vector>

#include "win32/messages.h"
#include "win32/types.h"

// Modifier keys held down while a verb acts (a Ctrl-click, a Shift-drag).
#define MISC_MOD_SHIFT 0x0001u
#define MISC_MOD_CONTROL 0x0002u
#define MISC_MOD_ALT 0x0004u

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A place inside a window: item indices from the top level down, and a column for cells.
struct MiscItemPath {
    std::vector<int> items;
    int column = -1;

    bool IsWholeWindow() const { return items.empty() && column < 0; }
    MiscItemPath Child(int index) const;
    MiscItemPath Cell(int col) const;
    std::string Describe() const; // "{2,0}", "{4}:1"
};

// What a provider reports about an element. Fields that do not apply keep their defaults.
struct MiscElementState {
    std::string text;       // the label a person reads ('&' of mnemonics removed)
    RECT rect{};            // the element's place in its window's client area; empty when not shown
    bool exists = false;    // false: no such element
    bool enabled = true;
    bool visible = true;
    bool focused = false;
    bool selected = false;
    int checked = -1;       // BST_UNCHECKED / BST_CHECKED / BST_INDETERMINATE; -1 when not a check
    int expanded = -1;      // 0 collapsed, 1 expanded; -1 when it cannot expand
    bool hasValue = false;  // track bars, up-downs: a position
    int value = 0;
    int childCount = 0;     // items below (list entries, tree children, menu items, grid rows)
};

enum class MiscVerb {
    Click,       // a left click at the element
    DoubleClick,
    RightClick,
    Select,      // choose the item the way a person chooses it (a click, or the keyboard)
    TypeText,    // put the focus there and type `text` (replacing what was there: select all first)
    SetCheck,    // click until the check shows `value`
    Expand,
    Collapse,
    Drag,        // press at the element, move by `offset`, release
    PressKey,    // put the focus there and press key `value`
    SetValue     // move a track bar or up-down to position `value` (thumb drag, arrows, keys)
};

struct MiscAction {
    MiscVerb verb = MiscVerb::Click;
    std::string text;
    int value = 0;
    POINT offset{};
    UINT modifiers = 0; // MISC_MOD_*
};

// The open interface a control implements to be reachable by scripts. Every function gets the
// control's window; paths are as above. The defaults describe a control with no items.
//
// How the controls to come map onto it:
//   tree          items are the root items, their children below; Read reports `expanded`, and
//                 Perform Expand/Collapse clicks the button beside the item (or presses the
//                 right/left arrow on it).
//   property grid categories are top-level items, rows their children (found by caption path
//                 "Category|Row"); Columns() {"Property", "Value"}; the cell (row, 1) is the
//                 value: TypeText there clicks it, which opens the in-place editor, and types.
//   table         rows are top-level items, Columns() the headings, cells by (row, column).
//   tabs, header  items are the tabs or header items, clicked where they are drawn.
// A provider reports rectangles in its window's client coordinates and only for what is shown;
// Reveal scrolls an item into view the way a person would before the verb acts.
class MiscAutomationProvider {
public:
    virtual ~MiscAutomationProvider() = default;
    // The number of items under `parent` (the control's top-level items for an empty path).
    virtual int ChildCount(HWND hwnd, const MiscItemPath& parent);
    // An element's state. The default fills the window's own (text, client rectangle, enabled,
    // visible, focused) for an empty path and reports every item missing.
    virtual MiscElementState Read(HWND hwnd, const MiscItemPath& path);
    // Column headings of a control with cells (tables, report list views); empty when none.
    virtual std::vector<std::string> Columns(HWND hwnd);
    // Brings an item into view as a person would (scrolling with the keyboard or scroll bars),
    // so that Read reports its place. The default does nothing and says whether it is shown.
    virtual bool Reveal(HWND hwnd, const MiscItemPath& path);
    // Performs a verb. The default handles the mouse verbs at the element's rectangle (revealed
    // first), TypeText and PressKey at the window after a click, and refuses the rest.
    virtual bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action);
};

// Makes `provider` answer for every window of the class `className` (compared without case);
// replaces an earlier one (a control may replace a built-in provider). A null provider removes
// the registration. Registrations, like window classes, outlive MiscResetWindowSystem.
void MiscRegisterAutomationProvider(const char* className, std::shared_ptr<MiscAutomationProvider> provider);
// The provider for a window: its class's, else the generic one (a window without items).
MiscAutomationProvider& MiscAutomationProviderFor(HWND hwnd);

// ---- Elements: what a script holds ----
class MiscElement {
public:
    MiscElement() = default;
    explicit MiscElement(HWND hwnd, MiscItemPath path = MiscItemPath());

    HWND Window() const { return m_hwnd; }
    const MiscItemPath& Path() const { return m_path; }
    bool Exists() const;
    explicit operator bool() const { return Exists(); }
    std::string Describe() const;

    // Finding below this element.
    MiscElement Item(int index) const;
    // By text path "File|Open" or "Category|Row": each part matches an item's text ('&' removed)
    // exactly; the first match is taken at every level.
    MiscElement Item(const std::string& textPath) const;
    int ItemCount() const;
    MiscElement Cell(int row, int column) const;      // row of this element's children, column
    MiscElement Cell(int row, const std::string& columnHeading) const;

    // Reading.
    MiscElementState State() const;
    std::string Text() const { return State().text; }

    // Verbs (FALSE when the element does not exist, is disabled, or cannot take the verb).
    BOOL Click(UINT modifiers = 0) const;
    BOOL DoubleClick(UINT modifiers = 0) const;
    BOOL RightClick(UINT modifiers = 0) const;
    BOOL Select(UINT modifiers = 0) const;
    BOOL TypeText(const std::string& text) const;
    BOOL SetCheck(int state) const;
    BOOL Expand() const;
    BOOL Collapse() const;
    BOOL Drag(int dx, int dy, UINT modifiers = 0) const;
    BOOL PressKey(int vk, UINT modifiers = 0) const;
    BOOL SetValue(int value) const;
    BOOL Perform(const MiscAction& action) const;

private:
    HWND m_hwnd = nullptr;
    MiscItemPath m_path;
};

// ---- Finding controls in a dialog or any window with children ----
// The child with this identifier (searched through nested children such as pages and panes).
MiscElement MiscFindControl(HWND parent, int id);
// By label: a button whose text ('&' removed) is `label`, or the control a static text or group
// box labels (the next control after it that is not a static, as a mnemonic would reach it).
MiscElement MiscFindControlByLabel(HWND parent, const char* label);
// The index-th child (depth-first, in z-order) of the window class, compared without case.
MiscElement MiscFindControlByClass(HWND parent, const char* className, int index = 0);

// ---- Menus ----
// Chooses an item of a window's menu (its menu bar, GetMenu) by text path ("File|Open", '&' and
// the shortcut after a tab ignored) or by command identifier, as a person opening the menus
// would: WM_INITMENU, WM_INITMENUPOPUP for each menu opened, then the command. FALSE when the item
// is missing, grayed, or a pop-up. Items of an open pop-up menu window are elements of it:
// MiscElement(popup).Item("Edit|Copy").Click().
BOOL MiscChooseMenuByPath(HWND window, HMENU menu, const char* textPath);
BOOL MiscChooseMenuByCommand(HWND window, HMENU menu, UINT command);

// ---- Input with modifiers, for providers and scripts ----
// A click (count 1 or 2) with a button (WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN) at a
// client point of hwnd, the modifiers held.
void MiscClickAt(HWND hwnd, POINT client, UINT buttonDown = WM_LBUTTONDOWN, int count = 1, UINT modifiers = 0);
// Press at `client`, move by `offset` in steps, release.
void MiscDragFrom(HWND hwnd, POINT client, POINT offset, UINT modifiers = 0);
// A key pressed at the focus (or at hwnd) with the modifiers held.
void MiscPressKeyWith(int vk, UINT modifiers, HWND hwnd = nullptr);
// Holds the modifiers down (key-down messages at the focus and the key state) for its life.
class MiscModifierScope {
public:
    explicit MiscModifierScope(UINT modifiers);
    ~MiscModifierScope();
    MiscModifierScope(const MiscModifierScope&) = delete;
    MiscModifierScope& operator=(const MiscModifierScope&) = delete;

private:
    UINT m_modifiers;
};
// The text with '&' mnemonics removed ("&&" stays one '&').
std::string MiscStripMnemonic(const std::string& text);

MISC_PUBLIC_END
