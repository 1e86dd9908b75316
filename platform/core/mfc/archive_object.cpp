// CArchive: objects and classes (the tags of the archive format).
#include "mfc/archive.h"

namespace {

constexpr WORD wNullTag = 0;
constexpr WORD wNewClassTag = 0xFFFF;
constexpr WORD wClassTag = 0x8000;
constexpr DWORD dwBigClassTag = 0x80000000u;
constexpr WORD wBigObjectTag = 0x7FFF;
constexpr DWORD nMaxMapCount = 0x3FFFFFFEu;

} // namespace

void CArchive::InitMaps()
{
    if (m_nMapCount != 0)
        return;
    if (IsLoading()) {
        m_loadArray.clear();
        m_loadArray.push_back({nullptr, EntryKind::Mapped}); // index 0: the null pointer
    }
    m_nMapCount = 1;
}

void CArchive::CheckCount() const
{
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

DWORD CArchive::AddLoadEntry(void* p, EntryKind kind)
{
    CheckCount();
    m_loadArray.push_back({p, kind});
    return m_nMapCount++;
}

void CArchive::WriteIndexTag(DWORD nIndex, bool isClass)
{
    if (nIndex < wBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (wClassTag | nIndex) : nIndex);
    } else {
        *this << wBigObjectTag;
        *this << (isClass ? (dwBigClassTag | nIndex) : nIndex);
    }
}

void CArchive::MapObject(const CObject* pOb)
{
    InitMaps();
    if (pOb == nullptr)
        return;
    if (IsStoring()) {
        CheckCount();
        m_storeMap[pOb] = m_nMapCount++;
    } else {
        AddLoadEntry(const_cast<CObject*>(pOb), EntryKind::Mapped);
    }
}

void CArchive::SetStoreParams(UINT, UINT)
{
}

void CArchive::SetLoadParams(UINT)
{
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (pClassRef == nullptr)
        AfxThrowInvalidArgException();
    CheckStoring();
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    InitMaps();
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        WriteIndexTag(it->second, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    InitMaps();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        WriteIndexTag(it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    if (pClassRefRequested != nullptr && pClassRefRequested->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    InitMaps();

    WORD wTag;
    DWORD obTag;
    *this >> wTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        // An object reference (or the null tag).
        if (pObTag == nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        // Classes that cannot be serialised are never written, so their names are damage.
        if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema) {
            if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
                AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
            m_schemaMap[pClassRef] = nSchema;
        }
        AddLoadEntry(pClassRef, EntryKind::Class);
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() ||
            m_loadArray[nClassIndex].kind != EntryKind::Class)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex].p);
        auto it = m_schemaMap.find(pClassRef);
        nSchema = it != m_schemaMap.end() ? it->second : (pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA);
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);

    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == nullptr) {
        // A reference to an object read before (index 0 is the null pointer).
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].kind == EntryKind::Class)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].p);
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    if (m_nDepth >= kMaxObjectDepth)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    CheckCount();
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    // Entered before its data is read, so that objects inside it can refer back to it.
    DWORD nIndex = AddLoadEntry(pOb, EntryKind::Created);

    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nDepth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // The object is half made and nobody else holds it: delete it, forget it, pass the
        // error on.
        --m_nDepth;
        m_nObjectSchema = nSchemaSave;
        m_loadArray[nIndex].p = nullptr;
        delete pOb;
        throw;
    }
    --m_nDepth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

std::vector<CObject*> CArchive::GetLoadedObjects() const
{
    std::vector<CObject*> objects;
    for (const LoadEntry& e : m_loadArray) {
        if (e.kind == EntryKind::Created && e.p != nullptr)
            objects.push_back(static_cast<CObject*>(e.p));
    }
    return objects;
}

CObject* AfxReadObject(CArchive& ar, const CRuntimeClass* pClass)
{
    return ar.ReadObject(pClass);
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}
