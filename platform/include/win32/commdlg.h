#pragma once
// The common file choosers and the folder browser. Nothing is shown: the request goes to the
// scripted user (win32/script.h), whose answer is a path or Cancel.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;        // pairs of NUL-terminated texts, ended by an empty one
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;        // 1-based
    LPSTR lpstrFile;           // in: initial name; out: the chosen path
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;      // out: the name without folder
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;          // out: offset of the name in lpstrFile
    WORD nFileExtension;       // out: offset of the extension (after the dot), or 0
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
} OPENFILENAMEA, *LPOPENFILENAMEA, OPENFILENAME, *LPOPENFILENAME;

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_ENABLEHOOK 0x00000020
#define OFN_ENABLETEMPLATE 0x00000040
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_SHAREAWARE 0x00004000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_NOTESTFILECREATE 0x00010000
#define OFN_NONETWORKBUTTON 0x00020000
#define OFN_NOLONGNAMES 0x00040000
#define OFN_EXPLORER 0x00080000
#define OFN_NODEREFERENCELINKS 0x00100000
#define OFN_LONGNAMES 0x00200000
#define OFN_ENABLESIZING 0x00800000
#define OFN_DONTADDTORECENT 0x02000000
#define OFN_FORCESHOWHIDDEN 0x10000000

// CommDlgExtendedError codes.
#define CDERR_GENERALCODES 0x0000
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_BUFFERTOOSMALL 0x3003
#define FNERR_INVALIDFILENAME 0x3002

// The scripted user chooses a file: TRUE with lpstrFile (and title, offsets) filled; FALSE for
// Cancel (CommDlgExtendedError 0), or with FNERR_BUFFERTOOSMALL when the path does not fit (the
// first two bytes of lpstrFile then give the size needed, as in Windows). With
// OFN_FILEMUSTEXIST an answer naming a missing file counts as Cancel and is recorded as a
// modal error; the default extension is added to an answer that has none.
// With OFN_ALLOWMULTISELECT the answer may name several files, separated by NUL characters
// (MiscFileAnswers); lpstrFile then holds the folder of the first, a NUL, each file's name (its
// whole path when it lies in another folder) followed by a NUL, and a final NUL; nFileOffset is
// the offset of the first name. One file is answered as without the flag, followed by two NULs.
BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn);
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn);
DWORD CommDlgExtendedError();
#define GetOpenFileName GetOpenFileNameA
#define GetSaveFileName GetSaveFileNameA

// ---- Folder browser ----
typedef struct _ITEMIDLIST ITEMIDLIST, *LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef const ITEMIDLIST* PCIDLIST_ABSOLUTE;
typedef ITEMIDLIST* PIDLIST_ABSOLUTE;
typedef int(CALLBACK* BFFCALLBACK)(HWND, UINT, LPARAM, LPARAM);

typedef struct _browseinfoA {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot;
    LPSTR pszDisplayName; // out: the folder's display name (MAX_PATH)
    LPCSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
} BROWSEINFOA, *PBROWSEINFOA, *LPBROWSEINFOA, BROWSEINFO, *LPBROWSEINFO;

#define BIF_RETURNONLYFSDIRS 0x00000001
#define BIF_DONTGOBELOWDOMAIN 0x00000002
#define BIF_STATUSTEXT 0x00000004
#define BIF_EDITBOX 0x00000010
#define BIF_VALIDATE 0x00000020
#define BIF_NEWDIALOGSTYLE 0x00000040
#define BIF_USENEWUI (BIF_NEWDIALOGSTYLE | BIF_EDITBOX)
#define BIF_BROWSEFORCOMPUTER 0x00001000
#define BIF_BROWSEINCLUDEFILES 0x00004000

// The scripted user chooses a folder: an item list to free with CoTaskMemFree (or ILFree), or
// null for Cancel.
LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA bi);
// The path of an item list into path (MAX_PATH characters); FALSE for a null list or a path
// that does not fit.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path);
void ILFree(LPITEMIDLIST pidl);
void CoTaskMemFree(void* pv);
#define SHBrowseForFolder SHBrowseForFolderA
#define SHGetPathFromIDList SHGetPathFromIDListA

MISC_PUBLIC_END
