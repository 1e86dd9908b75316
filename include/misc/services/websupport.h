#pragma once
// CInternetSupportAPI: opens the product's home page and support page in the user's browser.
// The addresses are strings IDS_WEB_HOME_URL (61404) and IDS_WEB_SUPPORT_URL (61405) of the
// resource module, loaded inside the guarded resource scope and opened through the shell.
#include <afx.h>

#include <memory>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CWinApp;
class CInternetLink;

class CInternetSupportAPI {
public:
    explicit CInternetSupportAPI(CWinApp* app = nullptr);
    ~CInternetSupportAPI();
    // Copies share the link object; it is destroyed with the last copy.
    CInternetSupportAPI(const CInternetSupportAPI& other) = default;
    CInternetSupportAPI& operator=(const CInternetSupportAPI& other) = default;

    void OnWebHome();
    void OnWebSupport();

    // The address opened last ("" before the first, or when the string was empty).
    CString GetLastUrl() const;

private:
    void Open(UINT stringId);

    std::shared_ptr<CInternetLink> m_link;
    CWinApp* m_pApp;
};

MISC_PUBLIC_END
