// The check whether a document was written by a newer product than the running one.
#include "misc/data/versions.h"

#include <cstdlib>
#include <string>

#include <afxwin.h>

namespace {

// The first number of a version text "a, b, c, d" (spaces dropped, converted with atoi).
int FirstNumber(const char* version)
{
    std::string field;
    for (const char* p = version; *p && *p != ','; ++p)
        if (*p != ' ')
            field += *p;
    return std::atoi(field.c_str());
}

// "11, 0, 2, 0" is shown as "11.0.2.0".
CString DisplayVersion(const CString& version)
{
    CString shown;
    for (int i = 0; i < version.GetLength(); ++i) {
        char c = version[i];
        if (c == ' ')
            continue;
        shown += c == ',' ? '.' : c;
    }
    return shown;
}

} // namespace

CVersionRwfCheck::CVersionRwfCheck() : m_hSavedResource(AfxGetResourceHandle())
{
    AfxSetResourceHandle(GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE));
}

CVersionRwfCheck::~CVersionRwfCheck()
{
    if (m_hSavedResource)
        AfxSetResourceHandle(m_hSavedResource);
}

bool CVersionRwfCheck::Execute(FLENT_BLK* root, CString* message, CWnd* parent)
{
    if (!root)
        return false;
    auto* text = static_cast<FLENT_STR*>(root->Find(FLENT_ID_VERSION_TEXT, FLENT_KIND_STR));
    if (!text || !text->GetData())
        return false;
    DWORD len = text->GetLength() < 259 ? text->GetLength() : 259;
    return Execute(CString(text->GetData(), static_cast<int>(strnlen(text->GetData(), len))), message, parent);
}

bool CVersionRwfCheck::Execute(const CString& version, CString* message, CWnd* parent)
{
    if (FirstNumber(version.GetString()) <= FirstNumber(MISC_PRODUCT_VERSION))
        return false;
    if (!message)
        return true;
    CString text;
    {
        CCallResourceScope scope;
        CString format;
        format.LoadString(IDS_MISC_NEWER_DOCUMENT);
        text.Format(format.GetString(), DisplayVersion(version).GetString());
    }
    if (parent)
        parent->MessageBox(text, message->GetString(), MB_ICONEXCLAMATION);
    else
        *message = text;
    return true;
}
