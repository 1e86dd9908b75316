#pragma once
// The clipboard and global memory blocks.
//
// The clipboard is in-process: one per process, shared by all threads. A thread opens it with
// OpenClipboard (which fails while another thread holds it open), and only the thread that
// holds it open may empty it, set data or get data. Data are global memory handles; once set,
// a handle belongs to the clipboard, which frees it when it is emptied or the format replaced.
// Formats are the standard CF_ numbers or numbers from 0xC000 up registered by name
// (RegisterClipboardFormatA; names compare without regard to case).
//
// Global memory: GlobalAlloc gives a handle; with GMEM_MOVEABLE the handle must be locked to get
// a pointer, with GMEM_FIXED the handle is the pointer. Every handle is checked: a bad handle
// makes the call fail with ERROR_INVALID_HANDLE instead of touching memory.
#include "win32/types.h"

// Global memory flags.
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_NOCOMPACT 0x0010
#define GMEM_NODISCARD 0x0020
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_DISCARDABLE 0x0100
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE GMEM_SHARE
#define GMEM_INVALID_HANDLE 0x8000
#define GMEM_LOCKCOUNT 0x00FF
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#include "misc_export.h"
MISC_PUBLIC_BEGIN

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Resizes a block; GMEM_ZEROINIT clears the bytes added. A moveable block keeps its handle; a
// fixed block may move only when GMEM_MOVEABLE is passed. Null on failure (the block is kept).
HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags);
LPVOID GlobalLock(HGLOBAL mem);
// FALSE when the lock count reached zero (or the handle is bad: then GetLastError is set).
BOOL GlobalUnlock(HGLOBAL mem);
SIZE_T GlobalSize(HGLOBAL mem);
// The lock count in the low byte; GMEM_INVALID_HANDLE for a bad handle.
UINT GlobalFlags(HGLOBAL mem);
// Null on success, the handle itself on failure.
HGLOBAL GlobalFree(HGLOBAL mem);
// The handle of a locked moveable block from its pointer (or the pointer of a fixed block).
HGLOBAL GlobalHandle(LPCVOID mem);

// Standard clipboard formats.
#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_METAFILEPICT 3
#define CF_SYLK 4
#define CF_DIF 5
#define CF_TIFF 6
#define CF_OEMTEXT 7
#define CF_DIB 8
#define CF_PALETTE 9
#define CF_PENDATA 10
#define CF_RIFF 11
#define CF_WAVE 12
#define CF_UNICODETEXT 13
#define CF_ENHMETAFILE 14
#define CF_HDROP 15
#define CF_LOCALE 16
#define CF_DIBV5 17

BOOL OpenClipboard(HWND newOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// Stores `mem` under `format` (replacing and freeing what was there) and answers it; null when
// the clipboard is not open by the calling thread or format is 0.
HANDLE SetClipboardData(UINT format, HANDLE mem);
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
UINT RegisterClipboardFormatA(LPCSTR name);
#define RegisterClipboardFormat RegisterClipboardFormatA
// Copies the name of a registered format; 0 for a standard or unknown format.
int GetClipboardFormatNameA(UINT format, LPSTR name, int maxCount);
#define GetClipboardFormatName GetClipboardFormatNameA
int CountClipboardFormats();
// The format after `format` in the order they were set (0 starts); 0 at the end.
UINT EnumClipboardFormats(UINT format);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
// Number of times the contents changed since the process started.
DWORD GetClipboardSequenceNumber();

// Empties and closes the clipboard and forgets its owner (part of MiscResetPlatform); registered
// format names stay, as registered window messages do.
void MiscResetClipboard();
MISC_PUBLIC_END
