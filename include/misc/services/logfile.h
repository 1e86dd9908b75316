#pragma once
// CLogFile: the general event log of the host applications. Every Add appends one line to a
// text file and closes the file again, so the log is complete on disk even if the host crashes.
//
// A line is: the time stamp "DD:MM:YYYY hh:mm:ss:mmm " (when m_addTime), the user name and a
// blank (when m_addUser), the message, "\n". The file is m_fileName; when that is empty, the key
// "log file" of the section "Kestrel Mark" of the user profile file, or "vmx.log" when the key is
// missing. A relative path is taken from the temporary folder (made absolute when the path is
// resolved); an absolute path is used as it is; a Windows path with a drive letter is taken from
// this system's root ("D:\\logs\\app.log" is "/logs/app.log").
#include <afx.h>

#include <type_traits>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CLogFile {
public:
    CLogFile(int enabled = 1, int addUser = 0, int addTime = 1, int newFile = 0);
    // The path is copied (at most 255 characters).
    CLogFile(const char* fileName, int enabled, int addUser, int addTime, int newFile);
    CLogFile(const CLogFile& other);
    CLogFile& operator=(const CLogFile& other);
    virtual ~CLogFile();

    // Appends one line; returns the length of the formatted message (at most 511), 0 when
    // disabled or when the file cannot be written (a message box names the file). The arguments
    // are printf's; a CString (or a class derived from it) may be passed for a "%s" directly.
    template <class... Args>
    int Add(const char* format, const Args&... args)
    {
        return AddFormat(format, Arg(args)...);
    }
    // Formats the message only; returns its length (at most 511).
    template <class... Args>
    static int Trace(const char* format, const Args&... args)
    {
        return TraceFormat(format, Arg(args)...);
    }
    // The same with plain C arguments.
    int AddFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    static int TraceFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // The time stamp of a line ("%02d:%02d:%d %02d:%02d:%02d:%03d " with day, month, year, hour,
    // minute, second, milliseconds) into buffer; returns its length.
    static int FormatTimeStamp(const SYSTEMTIME& time, char* buffer, int size);

    char m_fileName[256];
    int m_addUser;
    int m_addTime;
    int m_enabled;
    int m_newFile;

private:
    void ResolveFileName();
    template <class T>
    static decltype(auto) Arg(const T& value)
    {
        if constexpr (std::is_base_of_v<CString, T>)
            return value.GetString();
        else
            return (value);
    }
};

MISC_PUBLIC_END
