#pragma once
// The family dialogs library's dialog base, file dialog and choosers (stand-ins).
//
// CVmxDialog is a CDialog that takes its template from the resource module it is given, remembers
// its screen position between runs, and shows and reads lengths in the caller's working units.
//
// Position memory: the profile file is the user profile file (KestProfile::m_namePath once the
// library has worked it out, else KestProfile::m_name), else the application's profile
// (CWinApp::m_pszProfileName), else "vmxdialogs.ini" in the Windows folder. Section
// "VmxDialogPositions", key "Dialog<template number>", value "left,top" in screen pixels.
//
// Working units (setWorkingUnits): u1 the length unit code of family/vmxunits.h (0 mm, 1 cm, 2 m,
// 3 in, 4 ft, 5 yd, 6 dm), u2 the number of decimals shown (-1: the unit's own, mm 1, cm 2, dm 3,
// m 4, in 3, ft 4, yd 4), u3 non-zero appends the unit text, u4 and u5 are kept for the callers
// (angle and time units). Lengths handed to and read from the dialog are millimetres.
#include <afxwin.h>

#include "family/vmxunits.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CVmxDialog : public CDialog {
    DECLARE_DYNAMIC(CVmxDialog)
public:
    // templateId and the module that holds it (null: the current resource module); the two int
    // arguments are kept (m_nVmxFlags, m_nVmxReserved) for the callers that pass them.
    CVmxDialog(UINT templateId, CWnd* parent = nullptr, int flags = 0, HINSTANCE resources = nullptr, int reserved = 0);
    explicit CVmxDialog(HINSTANCE resources = nullptr, int reserved = 0);
    ~CVmxDialog() override;

    using CDialog::Create;
    virtual BOOL Create(UINT templateId, CWnd* parent, int flags);
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Moves the dialog to its remembered place (kept on the desktop) and remembers where it is
    // when it closes.
    void InitPos();
    // Non-zero: the remembered place is only read; closing the dialog does not overwrite it.
    void SetStartPosOnly(int startOnly);
    // Moves the dialog back to where InitPos found it and remembers that place.
    void SendBackToOrigPlace();

    void setWorkingUnits(int u1, int u2, int u3, int u4, int u5);
    // A length (millimetres) as text in the working units, into `text` (at most 63 characters
    // and the terminator). precision non-zero: the working number of decimals; 0: no more
    // decimals than the value needs.
    void vmxSetTextReal(char* text, double value, int precision);
    // Reads a length typed in the working units ("12.5", "12,5", "1 1/2", "3/4 in", "-2 cm" in a
    // working unit of cm) into millimetres. Non-zero when the text holds a valid number; the
    // value is then written. The third argument is kept for the callers.
    int vmxGetStrReal(CString& text, double* value, int flags);

    int m_nVmxFlags = 0;
    int m_nVmxReserved = 0;
    int m_workingUnits[5] = {0, -1, 0, 0, 0};

protected:
    afx_msg void OnDestroy();
    std::string PositionKey() const;
    bool m_positionOn = false;
    bool m_startOnly = false;
    bool m_haveOrigin = false;
    POINT m_origin{0, 0};

    DECLARE_MESSAGE_MAP()
};

// The family's file dialog: title, open or save, default extension, file name, flags, filter
// ("Text (*.txt)|*.txt||") and parent. DoModal gives IDOK when a file was chosen.
class CVMXFileDialog : public CFileDialog {
    DECLARE_DYNAMIC(CVMXFileDialog)
public:
    CVMXFileDialog(LPCTSTR title, BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                   DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                   CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;

protected:
    CString m_title;
};

// The family's choosers. Each asks for a file (starting in the folder of the path already in
// `path`), and when one is chosen copies it into path (at most size - 1 characters; a longer
// answer is refused) and returns non-zero; 0 when cancelled. selectorArg is kept for callers.
// SelectFileFpf: fabric pattern profiles; pattern like "*.fpf", title and filter may be null
// ("Select Fabric Pattern Profile", "Fabric Pattern Profile(*.fpf)|*.fpf|").
int SelectFileFpf(HWND parent, char* path, int size, const char* pattern, const char* title, const char* filter,
                  int selectorArg);
// SelectBitmap: pictures (.bmp, .jpg, .jpeg, .png).
int SelectBitmap(HWND parent, char* path, int size, const char* title, int selectorArg);

// Sets a window's large and small icon from icon `iconId` of `module`.
void vmxSetIcon(CWnd* wnd, HINSTANCE module, int iconId);

MISC_PUBLIC_END
