#include "mfc/exception.h"

#include <cerrno>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {

// The innermost TRY block of this thread; exceptions unhook themselves from the chain when they
// are deleted, so a handler that deletes its exception does not have it deleted twice.
thread_local AFX_EXCEPTION_LINK* t_pLinkTop = nullptr;

BOOL CopyMessage(const std::string& text, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    size_t n = std::min<size_t>(text.size(), nMaxError - 1);
    std::memcpy(lpszError, text.data(), n);
    lpszError[n] = '\0';
    return TRUE;
}

// Replaces "%1" in a message with the file name ("an unnamed file" when there is none).
std::string WithFileName(const char* pattern, const CString& fileName)
{
    std::string name = fileName.IsEmpty() ? std::string("an unnamed file") : std::string(fileName.View());
    std::string text(pattern);
    size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

} // namespace

// CException

CException::CException() : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
    for (AFX_EXCEPTION_LINK* p = t_pLinkTop; p != nullptr; p = p->m_pLinkPrev) {
        if (p->m_pException == this)
            p->m_pException = nullptr;
    }
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char szMessage[512];
    UINT nHelpContext = 0;
    if (GetErrorMessage(szMessage, sizeof(szMessage), &nHelpContext))
        return AfxMessageBox(szMessage, nType, nHelpContext);
    CString text;
    if (nMessageID == 0 || !text.LoadString(nMessageID))
        text = "No error message is available.";
    return AfxMessageBox(text, nType, 0);
}

// Simple exceptions

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(SimpleMessage(), lpszError, nMaxError, pnHelpContext);
}

BOOL CUserException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

void CFileException::Clear()
{
    m_strFileName.Empty();
    m_cause = none;
    m_lOsError = -1;
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const kMessages[] = {
        "No error occurred.",
        "An unexpected error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1.",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    int cause = (m_cause >= 0 && m_cause <= endOfFile) ? m_cause : genericException;
    return CopyMessage(WithFileName(kMessages[cause], m_strFileName), lpszError, nMaxError, pnHelpContext);
}

int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case EXDEV:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return sharingViolation;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    throw new CFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    ThrowErrno(static_cast<int>(lOsError), lpszFileName);
}

// CArchiveException

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const kMessages[] = {
        "No error occurred.",
        "An unexpected error occurred while reading %1.",
        "An attempt was made to write to %1, which is being read.",
        "An attempt was made to access %1 past its end.",
        "An attempt was made to read from %1, which is being written.",
        "%1 has a bad format.",
        "%1 contained an unexpected object.",
        "%1 contains an incorrect schema.",
    };
    int cause = (m_cause >= 0 && m_cause <= badSchema) ? m_cause : genericException;
    return CopyMessage(WithFileName(kMessages[cause], m_strFileName), lpszError, nMaxError, pnHelpContext);
}

// Throwing

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

// TRY blocks

AFX_EXCEPTION_LINK::AFX_EXCEPTION_LINK() : m_pLinkPrev(t_pLinkTop), m_pException(nullptr)
{
    t_pLinkTop = this;
}

AFX_EXCEPTION_LINK::~AFX_EXCEPTION_LINK()
{
    t_pLinkTop = m_pLinkPrev;
    if (m_pException != nullptr) {
        CException* e = m_pException;
        m_pException = nullptr;
        e->Delete();
    }
}

void AfxThrowLastCleanup()
{
    if (t_pLinkTop != nullptr)
        t_pLinkTop->m_pException = nullptr;
}
