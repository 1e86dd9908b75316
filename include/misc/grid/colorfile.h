#pragma once
// Two rows that hosts add to grids directly: a colour row with a drop-down colour palette and a
// file or folder row with a browse button. Each change the person makes goes through the row's
// OnValueChanged, so the grid reports it as a value change like any typed value.
#include <afxwin.h>
#include <toolkit/colorpopup.h>
#include <toolkit/propertygrid.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The colour row: its value text is the colour as RRGGBB (upper-case hexadecimal, red first).
class AFX_EXT_CLASS CCustomItemColor : public CXTPPropertyGridItemColor
{
public:
    // The row bound to `bound` (may be null), with the edit and drop-down flags, showing `colour`.
    CCustomItemColor(CString caption, COLORREF colour, COLORREF* bound);

    // "%2X%2X%2X" of red, green and blue with every blank made "0": red 5, green 200, blue 0
    // gives 05C800.
    static CString RGBToString(COLORREF colour);
    // The text read as a hexadecimal number up to the first character that is not a hexadecimal
    // digit; its highest of three bytes is red, the lowest blue ("12G4" gives blue 0x12).
    static COLORREF StringToRGB(CString text);

    void SetValue(CString text) override;
    void SetColor(COLORREF colour) override;
    // Opens the palette under the row, right-aligned and 158 pixels wide.
    void OnInplaceButtonDown() override;

    static const int kPopupWidth = 158;
    static const DWORD kPopupStyle = 0x66;

private:
    bool m_settingColor = false;
};

// The palette the colour row opens; it reports the picked colour to the row.
class AFX_EXT_CLASS CCustomItemColorPopup : public CXTColorPopup
{
public:
    explicit CCustomItemColorPopup(CCustomItemColor* item) : CXTColorPopup(TRUE), m_pItem(item) {}
    CCustomItemColor* GetItem() const { return m_pItem; }

protected:
    void OnSelEndOK(COLORREF colour) override;

    CCustomItemColor* m_pItem; // the row that opened it (not owned)
};

// A file or folder row: the browse button picks a file (FileDialog true) or a folder.
class AFX_EXT_CLASS CCustomItemFileBox : public CXTPPropertyGridItem
{
public:
    CCustomItemFileBox(CString caption, bool fileDialog);
    CCustomItemFileBox(long id, bool fileDialog);

    void SetFileDialog(bool fileDialog) { m_bFileDialog = fileDialog; }
    bool GetFileDialog() const { return m_bFileDialog; }
    // Opens the folder browser preset to the value, or the file-open dialog with the value as
    // the file name; OK makes the choice the value (reported as a change), Cancel changes nothing.
    void OnInplaceButtonDown() override;

protected:
    bool m_bFileDialog;
};

MISC_PUBLIC_END
