// CLogFile: one line per call, the file opened and closed each time.
#include "misc/services/logfile.h"

#include "misc/frame/profile.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// The second formatting of a message, as the length Add and Trace report, is bounded by this.
constexpr int kMessageBuffer = 512;

void CopyBounded(char* out, size_t size, const char* text)
{
    size_t n = text ? std::strlen(text) : 0;
    if (n > size - 1)
        n = size - 1;
    if (n)
        std::memcpy(out, text, n);
    out[n] = '\0';
}

// Windows programs store paths with a drive letter; this system has one root, which the drive
// letter names: "D:\\logs\\app.log" is "/logs/app.log". Answers whether the path had one and
// writes its native form.
bool DriveToRoot(const char* path, CString& native)
{
    char drive[_MAX_DRIVE];
    _splitpath(path, drive, nullptr, nullptr, nullptr);
    if (!drive[0])
        return false;
    native = MiscNativePath(path + 2).c_str();
    if (native.IsEmpty() || native[0] != '/')
        native.Insert(0, '/');
    return true;
}

// The temporary folder as an absolute path with its trailing separator: a relative $TMPDIR is
// taken from the current folder now, so the resolved log path never depends on it again.
CString AbsoluteTempFolder()
{
    char temp[256];
    DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n >= sizeof temp)
        std::strcpy(temp, "/tmp/");
    char full[_MAX_PATH];
    CString folder = _fullpath(full, temp, sizeof full) ? full : temp;
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '/')
        folder += '/';
    return folder;
}

int BoundedLength(const char* format, va_list args)
{
    char buffer[kMessageBuffer];
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (n < 0)
        return 0;
    return n < kMessageBuffer ? n : kMessageBuffer - 1;
}

} // namespace

CLogFile::CLogFile(int enabled, int addUser, int addTime, int newFile)
    : m_addUser(addUser), m_addTime(addTime), m_enabled(enabled), m_newFile(newFile)
{
    m_fileName[0] = '\0';
}

CLogFile::CLogFile(const char* fileName, int enabled, int addUser, int addTime, int newFile)
    : CLogFile(enabled, addUser, addTime, newFile)
{
    CopyBounded(m_fileName, sizeof m_fileName, fileName);
}

CLogFile::CLogFile(const CLogFile& other) { *this = other; }

CLogFile& CLogFile::operator=(const CLogFile& other)
{
    std::memcpy(m_fileName, other.m_fileName, sizeof m_fileName);
    m_addUser = other.m_addUser;
    m_addTime = other.m_addTime;
    m_enabled = other.m_enabled;
    m_newFile = other.m_newFile;
    return *this;
}

CLogFile::~CLogFile() = default;

int CLogFile::FormatTimeStamp(const SYSTEMTIME& t, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int n = std::snprintf(buffer, static_cast<size_t>(size), "%02d:%02d:%d %02d:%02d:%02d:%03d ", t.wDay, t.wMonth,
                          t.wYear, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return n < size ? n : size - 1;
}

void CLogFile::ResolveFileName()
{
    m_fileName[sizeof m_fileName - 1] = '\0';
    if (!m_fileName[0]) {
        ProfileReadString("Kestrel Mark", "log file", "NULL", m_fileName, sizeof m_fileName, 1);
        if (std::strcmp(m_fileName, "NULL") == 0)
            std::strcpy(m_fileName, "vmx.log");
    }
    if (m_fileName[0] == '/')
        return;
    CString full;
    if (!DriveToRoot(m_fileName, full)) {
        // A relative path (or one starting with '\\' but no drive) goes below the temporary
        // folder; its '\\' separators, written by the Windows programs, become '/'.
        full = AbsoluteTempFolder() + MiscNativePath(m_fileName).c_str();
    }
    CopyBounded(m_fileName, sizeof m_fileName, full);
}

int CLogFile::AddFormat(const char* format, ...)
{
    if (!m_enabled)
        return 0;
    ResolveFileName();
    if (!format)
        format = "";
    va_list args;
    va_start(args, format);
    int result = 0;
    try {
        CFileStatus status;
        UINT flags = CFile::modeWrite | CFile::typeText;
        bool create = !CFile::GetStatus(m_fileName, status) || m_newFile;
        if (create)
            flags |= CFile::modeCreate;
        CStdioFile file;
        CFileException openError;
        if (!file.Open(m_fileName, flags, &openError))
            AfxThrowFileException(openError.m_cause, openError.m_lOsError, m_fileName);
        if (create)
            m_newFile = 0;
        file.SeekToEnd();
        CString line;
        if (m_addTime) {
            SYSTEMTIME now;
            GetLocalTime(&now);
            char stamp[64];
            FormatTimeStamp(now, stamp, sizeof stamp);
            line += stamp;
        }
        if (m_addUser) {
            char user[256] = "";
            DWORD size = sizeof user;
            if (!GetUserNameA(user, &size))
                user[0] = '\0';
            line += user;
            line += " ";
        }
        va_list message;
        va_copy(message, args);
        line.AppendFormatV(format, message);
        va_end(message);
        line += "\n";
        file.WriteString(line);
        file.Close();
        va_list counted;
        va_copy(counted, args);
        result = BoundedLength(format, counted);
        va_end(counted);
    } catch (CFileException* e) {
        CString text;
        text.Format("can't create or write to log file %s", m_fileName);
        AfxMessageBox(text, MB_OK);
        e->Delete();
        result = 0;
    } catch (CException* e) {
        e->ReportError(MB_OK);
        e->Delete();
        result = 0;
    }
    va_end(args);
    return result;
}

int CLogFile::TraceFormat(const char* format, ...)
{
    if (!format)
        return 0;
    va_list args;
    va_start(args, format);
    int n = BoundedLength(format, args);
    va_end(args);
    return n;
}
