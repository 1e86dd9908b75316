#pragma once
// A fresh set of profile folders for each test of the services, with the user profile file at
// ProfilePath().
#include <misc/frame.h>

#include "test_env.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace services_test {

// Points the folder variables back where the test main put them.
inline void RestoreStandardFolders()
{
    const std::string root = misc_test::TempRoot();
    setenv("XDG_DATA_HOME", (root + "/home/.local/share").c_str(), 1);
    setenv("MISC_COMMON_DATA", (root + "/common").c_str(), 1);
    setenv("MISC_DEFAULT_USER_DATA", (root + "/skel").c_str(), 1);
    setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
    setenv("MISC_WINDOWS_DIR", (root + "/windows").c_str(), 1);
    setenv("TMPDIR", (root + "/tmp").c_str(), 1);
}

// Points the profile folders into a new temporary folder and starts KestProfile afresh with a
// per-user "user.ini"; returns the path of that file.
inline std::string FreshProfile()
{
    std::string root = misc_test::MakeTempDir("svc");
    setenv("XDG_DATA_HOME", (root + "/user").c_str(), 1);
    setenv("MISC_COMMON_DATA", (root + "/common").c_str(), 1);
    setenv("MISC_DEFAULT_USER_DATA", (root + "/skel").c_str(), 1);
    setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
    KestProfile::Reset();
    KestProfile::m_name = "user.ini";
    KestProfile::m_nameSecond = "second.ini";
    KestProfile::m_privateUsing = true;
    return root + "/user/Kestrel/user.ini";
}

} // namespace services_test
