#include "family/kestprofile.h"

CString KestProfile::m_name;
CString KestProfile::m_nameSecond;
CString KestProfile::m_usePath;
CString KestProfile::m_defaultPath;
CString KestProfile::m_namePath;
CString KestProfile::m_nameSecondPath;
bool KestProfile::m_initialized = false;
bool KestProfile::m_privateUsing = false;
bool KestProfile::m_oldPathUsing = false;

void KestProfile::Reset()
{
    m_name.Empty();
    m_nameSecond.Empty();
    m_usePath.Empty();
    m_defaultPath.Empty();
    m_namePath.Empty();
    m_nameSecondPath.Empty();
    m_initialized = false;
    m_privateUsing = false;
    m_oldPathUsing = false;
}
