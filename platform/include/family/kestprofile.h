#pragma once
// KestProfile: the profile-file settings of the family's core library, as process-wide static
// fields. The host fills m_name, m_nameSecond, m_privateUsing and m_oldPathUsing before the first
// settings access; the profile functions of the library fill the paths and m_initialized.
#include "mfc/string.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class KestProfile {
public:
    static CString m_name;           // file name (or path) of the user profile file
    static CString m_nameSecond;     // file name or full path of the second profile file
    static CString m_usePath;        // folder of the current user's settings, with a trailing separator
    static CString m_defaultPath;    // folder of the default user's settings, with a trailing separator
    static CString m_namePath;       // full path of the user profile file
    static CString m_nameSecondPath; // full path of the second profile file
    static bool m_initialized;       // the paths above are filled
    static bool m_privateUsing;      // settings per user rather than shared by all users
    static bool m_oldPathUsing;      // the host chose the folder itself: nothing is computed

    // Back to the state at process start (all empty and false), for tests.
    static void Reset();
};

MISC_PUBLIC_END
