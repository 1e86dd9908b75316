#pragma once
// Shared pieces of the automation layer: the built-in providers and the small input steps they
// are made of. Uses only the public window API, so it sits above every control and the dialog
// code.
#include <memory>
#include <string>

#include <windows.h>
#include "win32/automation.h"

namespace autosys {

// The centre of a rectangle.
POINT Center(const RECT& r);
// The window's class name, upper-cased.
std::string ClassOf(HWND hwnd);
// Moves the focus to a control the way Tab would: through the dialog that holds it (which selects
// an edit's text), else by a click at the control's centre.
void FocusControl(HWND control);
// Types text at the focus as a keyboard would: WM_CHAR per character, the Enter and Tab keys for
// line breaks and tabs.
void TypeAtFocus(const std::string& text);
// A key pressed and released at the focus.
void Key(int vk);
// Repeats `vk` `count` times at the focus.
void Keys(int vk, int count);
// Call before pressing a mouse button at a client point of hwnd: when the last press was the same
// button at the same place within the double-click time, lets that time pass first (a person's
// two separate clicks are never taken for a double click), and remembers this press.
void KeepClicksApart(HWND hwnd, POINT client, UINT buttonDown);

std::shared_ptr<MiscAutomationProvider> MakeButtonProvider();
std::shared_ptr<MiscAutomationProvider> MakeStaticProvider();
std::shared_ptr<MiscAutomationProvider> MakeEditProvider();
std::shared_ptr<MiscAutomationProvider> MakeListBoxProvider();
std::shared_ptr<MiscAutomationProvider> MakeComboBoxProvider();
std::shared_ptr<MiscAutomationProvider> MakeListViewProvider();
std::shared_ptr<MiscAutomationProvider> MakeTrackBarProvider();
std::shared_ptr<MiscAutomationProvider> MakeUpDownProvider();
std::shared_ptr<MiscAutomationProvider> MakeTabProvider();
std::shared_ptr<MiscAutomationProvider> MakePopupMenuProvider();

} // namespace autosys
