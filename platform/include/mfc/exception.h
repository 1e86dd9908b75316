#pragma once
// MFC exceptions. As in MFC they are thrown as pointers (`throw new CFileException(...)`, or the
// AfxThrow... functions) and caught as `CException*`; the catcher calls Delete().
//
// The TRY/CATCH macros map onto C++ try/catch and, as in MFC, delete the caught exception when
// the handler ends (unless it is thrown on with THROW_LAST). Calling Delete() on it inside such a
// handler is harmless here: the handler forgets an exception that was deleted.
#include "mfc/object.h"
#include "mfc/string.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

#if __has_include("win32/msgbox.h")
#include "win32/msgbox.h"
#else
int AfxMessageBox(LPCSTR lpszText, UINT nType = 0, UINT nIDHelp = 0);
#endif

#ifndef MB_OK
#define MB_OK 0x00000000L
#endif

typedef UINT* PUINT;

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override = 0;

    // Deletes the exception when it was allocated to be thrown (the usual case).
    void Delete();

    // Copies the message (at most nMaxError - 1 characters and a NUL) into lpszError; FALSE when
    // the exception has no message. *pnHelpContext receives 0.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // Shows the message in a message box; without a message, the string resource nMessageID, or
    // a general text when that is 0 or missing. Returns the message box's answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    BOOL m_bAutoDelete;
};

// Exceptions whose message is one fixed text.
class CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException() = default;
    explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

protected:
    virtual LPCSTR SimpleMessage() const = 0;
};

class CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;

protected:
    LPCSTR SimpleMessage() const override { return "Out of memory."; }
};

class CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;

protected:
    LPCSTR SimpleMessage() const override { return "An unsupported operation was attempted."; }
};

class CInvalidArgException : public CSimpleException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() = default;

protected:
    LPCSTR SimpleMessage() const override { return "Encountered an improper argument."; }
};

class CResourceException : public CSimpleException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;

protected:
    LPCSTR SimpleMessage() const override { return "A required resource was unavailable."; }
};

// An error the user has already been told about: it carries no message of its own.
class CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

protected:
    LPCSTR SimpleMessage() const override { return ""; }
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        generic = genericException
    };

    // lOsError is the system's error number (errno on this platform), -1 when there is none.
    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCTSTR lpszArchiveName = nullptr);

    void Clear();
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // The cause for a system error number.
    static int ErrnoToException(int nErrno);
    static int OsErrorToException(LONG lOsError) { return ErrnoToException(static_cast<int>(lOsError)); }
    [[noreturn]] static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = nullptr);
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        generic = genericException
    };

    explicit CArchiveException(int cause = CArchiveException::none, LPCTSTR lpszArchiveName = nullptr);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);

// The exception a TRY block is handling; deletes it when the handler ends.
struct AFX_EXCEPTION_LINK {
    AFX_EXCEPTION_LINK();
    ~AFX_EXCEPTION_LINK();
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;

    AFX_EXCEPTION_LINK* m_pLinkPrev;
    CException* m_pException;
};
// Called by THROW_LAST: the handler's exception travels on and must not be deleted.
void AfxThrowLastCleanup();

#define TRY \
    { \
        AFX_EXCEPTION_LINK _afxExceptionLink; \
        try {
#define CATCH(class_name, e) \
    } \
    catch (class_name * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) \
    } \
    catch (class_name * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define END_CATCH \
    } \
    }
#define CATCH_ALL(e) \
    } \
    catch (CException * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH_ALL(e) \
    } \
    catch (CException * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define END_CATCH_ALL \
    } \
    }
#define END_TRY \
    } \
    catch (CException * e) \
    { \
        _afxExceptionLink.m_pException = e; \
    } \
    }
#define THROW(e) throw e
#define THROW_LAST() \
    do { \
        AfxThrowLastCleanup(); \
        throw; \
    } while (0)
#define DELETE_EXCEPTION(e) \
    do { \
        if (e) \
            (e)->Delete(); \
    } while (0)
#define NO_CPP_EXCEPTION(expr)

MISC_PUBLIC_END
