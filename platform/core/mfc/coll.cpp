#include "mfc/coll.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

namespace {

// Objects take at least two bytes each in an archive, so a piece of 4096 slots never runs far
// ahead of the data.
constexpr INT_PTR kObjectPiece = 4096;

} // namespace

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        for (INT_PTR i = 0; i < m_nSize; ++i)
            ar << m_pData[i];
    } else {
        LoadInPieces(ar.ReadCount(), kObjectPiece, [&ar](CObject** p, INT_PTR n) {
            for (INT_PTR i = 0; i < n; ++i)
                ar >> p[i];
        });
    }
}

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            ar << pNode->data;
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0) {
            CObject* pOb = nullptr;
            ar >> pOb;
            AddTail(pOb);
        }
    }
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CAssoc* p = FirstAssoc(); p != nullptr; p = NextAssoc(p))
            ar << p->key << p->value;
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0) {
            CString key;
            CObject* pOb = nullptr;
            ar >> key >> pOb;
            SetAt(key, pOb);
        }
    }
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CAssoc* p = FirstAssoc(); p != nullptr; p = NextAssoc(p))
            ar << p->key << p->value;
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0) {
            WORD key = 0;
            CObject* pOb = nullptr;
            ar >> key >> pOb;
            SetAt(key, pOb);
        }
    }
}
