#pragma once
// What the shared libraries export. They are built with hidden visibility, so only what is
// marked here is seen by programs that link them.
//
// The platform headers stand in for an API whose whole surface is public (every Win32 function,
// every MFC class), and so are the library's public headers; marking each of a few thousand
// declarations one by one would add noise to every line a developer reads. Each public header
// therefore puts its declarations between MISC_PUBLIC_BEGIN and MISC_PUBLIC_END (after its own
// #include lines), which makes everything declared there default-visible, and private headers
// under platform/ and src/ are left hidden. MISC_API marks a single declaration outside such a
// block.
#if defined(__GNUC__) || defined(__clang__)
#define MISC_API __attribute__((visibility("default")))
#define MISC_PUBLIC_BEGIN _Pragma("GCC visibility push(default)")
#define MISC_PUBLIC_END _Pragma("GCC visibility pop")
#else
#define MISC_API
#define MISC_PUBLIC_BEGIN
#define MISC_PUBLIC_END
#endif
