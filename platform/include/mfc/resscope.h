#pragma once
// Resource scopes: switching the current resource handle (AfxSetResourceHandle) to a resource
// module for the life of an object or of one call, and back. The module is always looked up
// afresh by name (never cached), so a module mapped or unmapped in the meantime is seen.
// Scopes nest in strict last-in, first-out order: each restores exactly what it saved.
#include "win32/types.h"

// The resource module that the library's scopes switch to unless told otherwise.
#define MISC_DEFAULT_RESOURCE_MODULE "misc_res.dll"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Object-bound scope: one pointer-sized member of a dialog or window class. Its constructor
// calls Switch(), which saves the current handle and makes the named module current (null when
// the module is not mapped); the destructor, or Restore(), makes the saved handle current again,
// but only when one was saved (a null saved handle is not restored).
class CResourceSaver {
public:
    CResourceSaver() noexcept = default;
    ~CResourceSaver() { Restore(); }
    CResourceSaver(const CResourceSaver&) = delete;
    CResourceSaver& operator=(const CResourceSaver&) = delete;

    void Switch(LPCSTR moduleName = MISC_DEFAULT_RESOURCE_MODULE);
    void Restore();
    HINSTANCE GetSavedHandle() const noexcept { return m_hSavedResource; }

private:
    HINSTANCE m_hSavedResource = nullptr;
};

// Call-bound scope: a local object that saves the current handle, makes the named module current
// and restores the saved handle (whatever it was, null included) on every way out of the call.
class CCallResourceScope {
public:
    explicit CCallResourceScope(LPCSTR moduleName = MISC_DEFAULT_RESOURCE_MODULE);
    ~CCallResourceScope();
    CCallResourceScope(const CCallResourceScope&) = delete;
    CCallResourceScope& operator=(const CCallResourceScope&) = delete;

    HINSTANCE GetSavedHandle() const noexcept { return m_hSavedResource; }

private:
    HINSTANCE m_hSavedResource;
};

// Guarded scope: an explicit enter/leave pair around a resource load and the action that
// follows. Enter() looks the module up; when it is not mapped it shows `missingMessage` in a
// plain message box (default buttons) and goes on. Either way it saves the current handle and
// makes the looked-up one current (null when missing). Leave() makes the saved handle current.
// The object is one pointer-sized handle and copies as one.
class CGuardedResourceScope {
public:
    static constexpr const char* kMissingMessage = "Misc resource handle not found.";

    void Enter(LPCSTR moduleName = MISC_DEFAULT_RESOURCE_MODULE,
               LPCSTR missingMessage = kMissingMessage);
    void Leave();
    HINSTANCE GetSavedHandle() const noexcept { return m_hSavedResource; }

private:
    HINSTANCE m_hSavedResource = nullptr;
};

MISC_PUBLIC_END
