#include "mfc/object.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "mfc/archive.h"
#include "mfc/exception.h"
#include "mfc/file.h"

// The registry is an intrusive chain through CRuntimeClass::m_pNextClass. Its head is a plain
// pointer (zero before any code runs); the lock is created on first use and never destroyed, so
// registrars of modules unloaded at exit can still take it.
namespace {

CRuntimeClass* g_pFirstClass = nullptr;

std::mutex& RegistryLock()
{
    static std::mutex* lock = new std::mutex;
    return *lock;
}

} // namespace

void AfxClassInit(CRuntimeClass* pNewClass)
{
    if (pNewClass == nullptr)
        return;
    std::lock_guard<std::mutex> guard(RegistryLock());
    for (CRuntimeClass* p = g_pFirstClass; p != nullptr; p = p->m_pNextClass) {
        if (p == pNewClass)
            return;
    }
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
}

void AfxClassTerm(CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        return;
    std::lock_guard<std::mutex> guard(RegistryLock());
    for (CRuntimeClass** pp = &g_pFirstClass; *pp != nullptr; pp = &(*pp)->m_pNextClass) {
        if (*pp == pClass) {
            *pp = pClass->m_pNextClass;
            pClass->m_pNextClass = nullptr;
            return;
        }
    }
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try {
        return (*m_pfnCreateObject)();
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == nullptr)
        return FALSE;
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    std::lock_guard<std::mutex> guard(RegistryLock());
    for (CRuntimeClass* p = g_pFirstClass; p != nullptr; p = p->m_pNextClass) {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass == nullptr ? nullptr : pClass->CreateObject();
}

void CRuntimeClass::Store(CArchive& ar) const
{
    size_t nLen = std::strlen(m_lpszClassName);
    WORD wLen = static_cast<WORD>(nLen > 0xFFFF ? 0xFFFF : nLen);
    ar << static_cast<WORD>(m_wSchema) << wLen;
    ar.Write(m_lpszClassName, wLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    if (pwSchemaNum == nullptr)
        return nullptr;
    WORD wSchema = 0;
    WORD nLen = 0;
    ar >> wSchema >> nLen;
    *pwSchemaNum = wSchema;

    char szClassName[64];
    if (nLen >= sizeof(szClassName))
        return nullptr;
    ar.EnsureRead(szClassName, nLen);
    szClassName[nLen] = '\0';
    return FromName(szClassName);
}

// CObject itself: not creatable, not serialisable, the root of every chain.
CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                       nullptr, nullptr, nullptr};
static const AFX_CLASSINIT _afx_init_CObject(&CObject::classCObject);

CRuntimeClass* CObject::GetThisClass()
{
    return &classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this)
       << "\n";
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != nullptr && pObject->IsKindOf(pClass))
        return pObject;
    return nullptr;
}

// CDumpContext

CDumpContext afxDump;

void CDumpContext::OutputString(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        lpsz = "(null)";
    if (m_pFile != nullptr)
        m_pFile->Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
    else
        std::fputs(lpsz, stderr);
}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    OutputString(lpsz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "$%p", lp);
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == nullptr)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob)
{
    return *this << &ob;
}

CDumpContext& CDumpContext::operator<<(BYTE by)
{
    return *this << static_cast<UINT>(by);
}

CDumpContext& CDumpContext::operator<<(WORD w)
{
    return *this << static_cast<UINT>(w);
}

CDumpContext& CDumpContext::operator<<(int n)
{
    char buf[16];
    std::snprintf(buf, sizeof(buf), "%d", n);
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::operator<<(UINT u)
{
    char buf[16];
    std::snprintf(buf, sizeof(buf), "%u", u);
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::operator<<(LONGLONG n)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "%" PRId64, static_cast<int64_t>(n));
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::operator<<(ULONGLONG n)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "%" PRIu64, static_cast<uint64_t>(n));
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::operator<<(double d)
{
    char buf[40];
    std::snprintf(buf, sizeof(buf), "%g", d);
    OutputString(buf);
    return *this;
}

CDumpContext& CDumpContext::DumpAsHex(LONGLONG n)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "0x%016" PRIX64, static_cast<uint64_t>(n));
    OutputString(buf);
    return *this;
}

void CDumpContext::HexDump(LPCSTR lpszLine, const BYTE* pby, int nBytes, int nWidth)
{
    if (nWidth <= 0)
        nWidth = 16;
    for (int i = 0; i < nBytes; i += nWidth) {
        OutputString(lpszLine);
        for (int k = i; k < nBytes && k < i + nWidth; ++k) {
            char buf[8];
            std::snprintf(buf, sizeof(buf), " %02X", pby[k]);
            OutputString(buf);
        }
        OutputString("\n");
    }
}

void CDumpContext::Flush()
{
    if (m_pFile != nullptr)
        m_pFile->Flush();
    else
        std::fflush(stderr);
}
