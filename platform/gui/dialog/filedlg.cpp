// File choosers and the folder browser, answered by the scripted user; CFileDialog on top.
#include "mfc/dialog.h"

#include "dialog/dlgsys.h"

#include <cstring>
#include <set>
#include <vector>
#include <sys/stat.h>

using namespace wndsys;

struct _ITEMIDLIST {
    std::string path;
};

namespace {

DWORD& LastError()
{
    static DWORD error = 0;
    return error;
}

std::set<void*>& LiveItemLists()
{
    static std::set<void*>* lists = new std::set<void*>;
    return *lists;
}

// "a\0b\0c\0d\0\0" -> "a|b|c|d|"
std::string FilterText(LPCSTR filter)
{
    std::string out;
    for (const char* p = filter; p && *p; p += std::strlen(p) + 1) {
        out += p;
        out += '|';
    }
    return out;
}

size_t NameStart(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

bool Exists(const std::string& path, bool folder)
{
    struct stat st{};
    if (stat(path.c_str(), &st) != 0)
        return false;
    return folder ? S_ISDIR(st.st_mode) : true;
}

bool CopyBounded(const std::string& text, LPSTR out, DWORD size)
{
    if (!out || size == 0)
        return false;
    if (text.size() + 1 > size)
        return false;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

// Several files answered to a multiple-selection chooser: "folder\0name\0name\0\0" into lpstrFile.
BOOL WriteSeveral(LPOPENFILENAMEA ofn, const MiscModal& info, bool open)
{
    std::vector<std::string> paths;
    for (size_t start = 0; start <= info.answer.size();) {
        size_t end = info.answer.find('\0', start);
        if (end == std::string::npos)
            end = info.answer.size();
        if (end > start)
            paths.push_back(info.answer.substr(start, end - start));
        start = end + 1;
    }
    if (paths.empty())
        return FALSE;
    for (const std::string& path : paths) {
        if (open && (ofn->Flags & OFN_FILEMUSTEXIST) && !Exists(path, false)) {
            ModalFailure(info.Describe() + " was answered with a missing file: " + path);
            return FALSE;
        }
    }
    const size_t firstStart = NameStart(paths[0]);
    std::string folder = paths[0].substr(0, firstStart);
    if (folder.size() > 1)
        folder.pop_back(); // the separator, except for the root
    if (folder.empty())
        folder = ".";
    std::string out = folder;
    out.push_back('\0');
    for (const std::string& path : paths) {
        const size_t start = NameStart(path);
        const bool sameFolder = start == firstStart && path.compare(0, start, paths[0], 0, start) == 0;
        out += sameFolder ? path.substr(start) : path;
        out.push_back('\0');
    }
    if (!ofn->lpstrFile || out.size() + 1 > ofn->nMaxFile) {
        LastError() = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::memcpy(ofn->lpstrFile, out.data(), out.size());
    ofn->lpstrFile[out.size()] = '\0';
    ofn->nFileOffset = static_cast<WORD>(folder.size() + 1);
    ofn->nFileExtension = 0;
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle)
        ofn->lpstrFileTitle[0] = '\0';
    return TRUE;
}

BOOL ChooseFile(LPOPENFILENAMEA ofn, bool open)
{
    LastError() = 0;
    if (!ofn || ofn->lStructSize < offsetof(OPENFILENAMEA, pvReserved)) {
        LastError() = CDERR_STRUCTSIZE;
        return FALSE;
    }
    MiscModal info;
    info.kind = open ? MiscModalKind::FileOpen : MiscModalKind::FileSave;
    info.caption = ofn->lpstrTitle ? ofn->lpstrTitle : (open ? "Open" : "Save As");
    info.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
    info.fileName = (ofn->lpstrFile && ofn->nMaxFile) ? std::string(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile)) : "";
    info.filter = FilterText(ofn->lpstrFilter);
    info.defExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
    info.flags = ofn->Flags;
    MiscModalHandler handler = CurrentModalHandler();
    if (!handler) {
        ModalFailure(info.Describe() + " opened with no scripted user to answer it");
        return FALSE;
    }
    {
        ModalScope scope(nullptr);
        handler(info);
    }
    if (!info.answered || info.answer.empty())
        return FALSE; // Cancel
    const bool several = (ofn->Flags & OFN_ALLOWMULTISELECT) != 0;
    if (several && info.answer.find('\0') != std::string::npos)
        return WriteSeveral(ofn, info, open);
    std::string path = info.answer;
    size_t nameStart = NameStart(path);
    if (!info.defExt.empty() && path.find('.', nameStart) == std::string::npos)
        path += "." + info.defExt;
    if (open && (ofn->Flags & OFN_FILEMUSTEXIST) && !Exists(path, false)) {
        ModalFailure(info.Describe() + " was answered with a missing file: " + path);
        return FALSE;
    }
    if ((ofn->Flags & OFN_PATHMUSTEXIST) && nameStart > 0 && !Exists(path.substr(0, nameStart), true)) {
        ModalFailure(info.Describe() + " was answered with a missing folder: " + path);
        return FALSE;
    }
    if (!open && (ofn->Flags & OFN_OVERWRITEPROMPT) && Exists(path, false)) {
        std::string question = path + " already exists.\nDo you want to replace it?";
        if (MessageBoxA(ofn->hwndOwner, question.c_str(), info.caption.c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return FALSE;
    }
    if (!CopyBounded(several ? path + '\0' : path, ofn->lpstrFile, ofn->nMaxFile)) {
        LastError() = FNERR_BUFFERTOOSMALL;
        if (ofn->lpstrFile && ofn->nMaxFile >= 2) {
            WORD needed = static_cast<WORD>(path.size() + 1 > 0xFFFF ? 0xFFFF : path.size() + 1);
            std::memcpy(ofn->lpstrFile, &needed, sizeof(needed));
        }
        return FALSE;
    }
    ofn->nFileOffset = static_cast<WORD>(nameStart);
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        ofn->nFileExtension = static_cast<WORD>(path.size());
    else if (dot + 1 == path.size())
        ofn->nFileExtension = 0;
    else
        ofn->nFileExtension = static_cast<WORD>(dot + 1);
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle) {
        std::string title = path.substr(nameStart);
        if (title.size() >= ofn->nMaxFileTitle)
            title.resize(ofn->nMaxFileTitle - 1);
        std::memcpy(ofn->lpstrFileTitle, title.c_str(), title.size() + 1);
    }
    return TRUE;
}

} // namespace

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { return ChooseFile(ofn, true); }
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { return ChooseFile(ofn, false); }
DWORD CommDlgExtendedError() { return LastError(); }

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA bi)
{
    if (!bi)
        return nullptr;
    MiscModal info;
    info.kind = MiscModalKind::Folder;
    info.caption = bi->lpszTitle ? bi->lpszTitle : "";
    info.flags = bi->ulFlags;
    MiscModalHandler handler = CurrentModalHandler();
    if (!handler) {
        ModalFailure(info.Describe() + " opened with no scripted user to answer it");
        return nullptr;
    }
    {
        ModalScope scope(nullptr);
        handler(info);
    }
    if (!info.answered || info.answer.empty())
        return nullptr;
    if (bi->pszDisplayName) {
        std::string name = info.answer;
        while (name.size() > 1 && (name.back() == '/' || name.back() == '\\'))
            name.pop_back();
        name = name.substr(NameStart(name));
        if (name.size() >= MAX_PATH)
            name.resize(MAX_PATH - 1);
        std::memcpy(bi->pszDisplayName, name.c_str(), name.size() + 1);
    }
    auto* list = new ITEMIDLIST{info.answer};
    LiveItemLists().insert(list);
    return list;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path)
{
    if (!pidl || !path || !LiveItemLists().count(const_cast<ITEMIDLIST*>(pidl)))
        return FALSE;
    return CopyBounded(pidl->path, path, MAX_PATH) ? TRUE : FALSE;
}

void ILFree(LPITEMIDLIST pidl) { CoTaskMemFree(pidl); }

void CoTaskMemFree(void* pv)
{
    if (!pv)
        return;
    auto& live = LiveItemLists();
    if (live.erase(pv))
        delete static_cast<ITEMIDLIST*>(pv);
}

// ---- CFileDialog ----
IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = MiscSafeHwnd(pParentWnd);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.nFilterIndex = 1;
    if (lpszFileName) {
        std::strncpy(m_szFileName, lpszFileName, sizeof(m_szFileName) - 1);
        m_szFileName[sizeof(m_szFileName) - 1] = '\0';
    }
    if (lpszFilter) {
        m_strFilter = lpszFilter;
        m_filterBuffer = lpszFilter;
        for (char& c : m_filterBuffer)
            if (c == '|')
                c = '\0';
        m_filterBuffer.push_back('\0');
        m_ofn.lpstrFilter = m_filterBuffer.c_str();
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner && m_pParentWnd)
        m_ofn.hwndOwner = MiscSafeHwnd(m_pParentWnd);
    BOOL ok = m_bOpenFileDialog ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }

CString CFileDialog::GetFileName() const
{
    std::string path = m_ofn.lpstrFile;
    return CString(path.substr(NameStart(path)).c_str());
}

CString CFileDialog::GetFileExt() const
{
    std::string name = GetFileName().GetString();
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? CString() : CString(name.substr(dot + 1).c_str());
}

CString CFileDialog::GetFileTitle() const
{
    std::string name = GetFileName().GetString();
    size_t dot = name.find_last_of('.');
    return CString(dot == std::string::npos ? name.c_str() : name.substr(0, dot).c_str());
}

CString CFileDialog::GetFolderPath() const
{
    std::string path = m_ofn.lpstrFile;
    size_t start = NameStart(path);
    return CString(start ? path.substr(0, start - 1).c_str() : "");
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile && m_ofn.lpstrFile[0] ? reinterpret_cast<POSITION>(m_ofn.lpstrFile) : nullptr;
}

// The position is the address of the next entry in lpstrFile: the whole path of a single answer,
// else a name after the folder.
CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    const char* buffer = m_ofn.lpstrFile;
    const char* at = reinterpret_cast<const char*>(pos);
    const char* bufferEnd = buffer ? buffer + m_ofn.nMaxFile : nullptr;
    if (!buffer || !at || at < buffer || at >= bufferEnd) {
        pos = nullptr;
        return CString();
    }
    const bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 &&
                         m_ofn.nFileOffset < m_ofn.nMaxFile && buffer[m_ofn.nFileOffset - 1] == '\0';
    if (!several) {
        pos = nullptr;
        return CString(std::string(buffer, strnlen(buffer, m_ofn.nMaxFile)).c_str());
    }
    if (at == buffer)
        at = buffer + m_ofn.nFileOffset;
    std::string name(at, strnlen(at, static_cast<size_t>(bufferEnd - at)));
    const char* next = at + name.size() + 1;
    pos = (next < bufferEnd && *next) ? reinterpret_cast<POSITION>(const_cast<char*>(next)) : nullptr;
    if (!name.empty() && (name[0] == '/' || name[0] == '\\'))
        return CString(name.c_str());
    std::string folder(buffer);
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder.push_back('/');
    return CString((folder + name).c_str());
}
