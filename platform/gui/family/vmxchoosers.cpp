// The family's file dialog and its file and picture choosers.
#include "family/vmxdialog.h"

#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CVMXFileDialog, CFileDialog)

CVMXFileDialog::CVMXFileDialog(LPCTSTR title, BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                               DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd), m_title(title)
{
}

INT_PTR CVMXFileDialog::DoModal()
{
    m_ofn.lpstrTitle = m_title.IsEmpty() ? nullptr : m_title.GetString();
    return CFileDialog::DoModal();
}

namespace {

int Choose(HWND parent, char* path, int size, const char* title, const char* filter, const char* defExt, DWORD flags)
{
    if (!path || size <= 0)
        return 0;
    std::string current(path, strnlen(path, static_cast<size_t>(size)));
    std::string folder, name = current;
    size_t slash = current.find_last_of("/\\");
    if (slash != std::string::npos) {
        folder = current.substr(0, slash);
        name = current.substr(slash + 1);
    }
    CVMXFileDialog dialog(title, TRUE, defExt, name.c_str(), flags, filter, CWnd::FromHandle(parent));
    if (!folder.empty())
        dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return 0;
    CString chosen = dialog.GetPathName();
    if (chosen.GetLength() >= size)
        return 0; // the caller's buffer cannot hold it
    std::memcpy(path, chosen.GetString(), static_cast<size_t>(chosen.GetLength()) + 1);
    return 1;
}

} // namespace

int SelectFileFpf(HWND parent, char* path, int size, const char* pattern, const char* title, const char* filter, int)
{
    std::string ext = "fpf";
    if (pattern) {
        const char* dot = std::strrchr(pattern, '.');
        if (dot && dot[1] && dot[1] != '*')
            ext = dot + 1;
    }
    return Choose(parent, path, size, title ? title : "Select Fabric Pattern Profile",
                  filter ? filter : "Fabric Pattern Profile(*.fpf)|*.fpf|", ext.c_str(),
                  OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
}

int SelectBitmap(HWND parent, char* path, int size, const char* title, int)
{
    return Choose(parent, path, size, title ? title : "Select Picture",
                  "Pictures (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png|All Files (*.*)|*.*||", nullptr,
                  OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
}
