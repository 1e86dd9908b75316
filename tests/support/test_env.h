#pragma once
// Test environment: a private temporary tree per test process.
#include <string>

namespace misc_test {

// Creates a fresh temporary folder for this process and points HOME, XDG_DATA_HOME, TMPDIR,
// MISC_COMMON_DATA, MISC_DEFAULT_USER_DATA and MISC_REGISTRY_FILE into it.
void PrepareEnvironment();

// The process's temporary root, ending without a separator.
const std::string& TempRoot();

// A new empty folder below the temporary root, unique per call; returned without a trailing '/'.
std::string MakeTempDir(const std::string& hint = "t");

// Reads or writes a whole file as bytes. ReadFile returns an empty string for a missing file.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The explicit start-up of this test program (nothing registers itself before main), generated
// for each program by tests/CMakeLists.txt from what it links. The shared main calls it after
// PrepareEnvironment.
void StartUp();

} // namespace misc_test
