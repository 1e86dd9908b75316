#pragma once
// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: MFC's hash map. Included by mfc/templ.h.
//
// Keys hash with HashKey<ARG_KEY> and compare with CompareElements. The table starts with 17
// buckets (or the size given to InitHashTable) and, unlike MFC's, doubles when the map holds
// more than two entries per bucket, so large maps keep constant-time lookups. Iteration
// (GetStartPosition / GetNextAssoc) runs bucket by bucket; its order is unspecified, removing
// the entry just returned is allowed, and adding entries during an iteration invalidates it.

#include "misc_export.h"
MISC_PUBLIC_BEGIN

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    class CPair {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair {
        friend class CMap;
        CAssoc* pNext = nullptr;
        UINT nHashValue = 0;

    public:
        explicit CAssoc(ARG_KEY key) : CPair(key) {}
    };

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    explicit CMap(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    ~CMap() override { RemoveAll(); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }
    CPair* PLookup(ARG_KEY key)
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }

    // The value of key, added (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr)
            pAssoc = NewAssoc(key, nHash);
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == nullptr)
            return FALSE;
        UINT nHash = HashKey<ARG_KEY>(key);
        CAssoc** ppPrev = &m_pHashTable[nHash % m_nHashTableSize];
        for (CAssoc* pAssoc = *ppPrev; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
            if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
                *ppPrev = pAssoc->pNext;
                delete pAssoc;
                --m_nCount;
                return TRUE;
            }
            ppPrev = &pAssoc->pNext;
        }
        return FALSE;
    }
    void RemoveAll()
    {
        if (m_pHashTable != nullptr) {
            for (UINT i = 0; i < m_nHashTableSize; ++i) {
                CAssoc* pAssoc = m_pHashTable[i];
                while (pAssoc != nullptr) {
                    CAssoc* pNext = pAssoc->pNext;
                    delete pAssoc;
                    pAssoc = pNext;
                }
            }
            delete[] m_pHashTable;
            m_pHashTable = nullptr;
        }
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
        if (rNextPosition == BEFORE_START_POSITION)
            pAssoc = FirstAssoc();
        if (pAssoc == nullptr)
            AfxThrowInvalidArgException();
        rNextPosition = reinterpret_cast<POSITION>(NextAssoc(pAssoc));
        rKey = pAssoc->key;
        rValue = pAssoc->value;
    }
    const CPair* PGetFirstAssoc() const { return FirstAssoc(); }
    CPair* PGetFirstAssoc() { return FirstAssoc(); }
    const CPair* PGetNextAssoc(const CPair* pAssoc) const
    {
        return pAssoc == nullptr ? nullptr : NextAssoc(static_cast<const CAssoc*>(pAssoc));
    }
    CPair* PGetNextAssoc(const CPair* pAssoc)
    {
        return pAssoc == nullptr ? nullptr : NextAssoc(static_cast<const CAssoc*>(pAssoc));
    }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets (entries already there are kept).
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (nHashSize == 0)
            AfxThrowInvalidArgException();
        if (m_pHashTable != nullptr || bAllocNow)
            Rehash(nHashSize);
        else
            m_nHashTableSize = nHashSize;
    }

    // The count, then each key and value (SerializeElements). Loading adds to the map.
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (CAssoc* p = FirstAssoc(); p != nullptr; p = NextAssoc(p)) {
                SerializeElements<KEY>(ar, const_cast<KEY*>(&p->key), 1);
                SerializeElements<VALUE>(ar, &p->value, 1);
            }
        } else {
            DWORD_PTR nNewCount = ar.ReadCount();
            while (nNewCount-- > 0) {
                KEY newKey[1]{};
                VALUE newValue[1]{};
                SerializeElements<KEY>(ar, newKey, 1);
                SerializeElements<VALUE>(ar, newValue, 1);
                SetAt(newKey[0], newValue[0]);
            }
        }
    }

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = HashKey<ARG_KEY>(key);
        if (m_pHashTable == nullptr)
            return nullptr;
        for (CAssoc* p = m_pHashTable[nHash % m_nHashTableSize]; p != nullptr; p = p->pNext) {
            if (p->nHashValue == nHash && CompareElements(&p->key, &key))
                return p;
        }
        return nullptr;
    }
    CAssoc* NewAssoc(ARG_KEY key, UINT nHash)
    {
        if (m_pHashTable == nullptr)
            Rehash(m_nHashTableSize);
        else if (static_cast<ULONGLONG>(m_nCount) >= 2ull * m_nHashTableSize && m_nHashTableSize < 0x40000000u)
            Rehash(m_nHashTableSize * 2 + 1);
        CAssoc* pAssoc = nullptr;
        try {
            pAssoc = new CAssoc(key);
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
        pAssoc->nHashValue = nHash;
        CAssoc*& bucket = m_pHashTable[nHash % m_nHashTableSize];
        pAssoc->pNext = bucket;
        bucket = pAssoc;
        ++m_nCount;
        return pAssoc;
    }
    void Rehash(UINT nNewSize)
    {
        CAssoc** pNewTable = nullptr;
        try {
            pNewTable = new CAssoc*[nNewSize]();
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
        if (m_pHashTable != nullptr) {
            for (UINT i = 0; i < m_nHashTableSize; ++i) {
                CAssoc* pAssoc = m_pHashTable[i];
                while (pAssoc != nullptr) {
                    CAssoc* pNext = pAssoc->pNext;
                    CAssoc*& bucket = pNewTable[pAssoc->nHashValue % nNewSize];
                    pAssoc->pNext = bucket;
                    bucket = pAssoc;
                    pAssoc = pNext;
                }
            }
            delete[] m_pHashTable;
        }
        m_pHashTable = pNewTable;
        m_nHashTableSize = nNewSize;
    }
    CAssoc* FirstAssoc() const
    {
        if (m_pHashTable == nullptr)
            return nullptr;
        for (UINT i = 0; i < m_nHashTableSize; ++i) {
            if (m_pHashTable[i] != nullptr)
                return m_pHashTable[i];
        }
        return nullptr;
    }
    CAssoc* NextAssoc(const CAssoc* pAssoc) const
    {
        if (pAssoc->pNext != nullptr)
            return pAssoc->pNext;
        for (UINT i = pAssoc->nHashValue % m_nHashTableSize + 1; i < m_nHashTableSize; ++i) {
            if (m_pHashTable[i] != nullptr)
                return m_pHashTable[i];
        }
        return nullptr;
    }

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

MISC_PUBLIC_END
