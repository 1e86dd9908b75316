#pragma once
// CArray<TYPE, ARG_TYPE>: MFC's growable array. Included by mfc/templ.h.
//
// New elements are zero-filled and then default-constructed, as in MFC. When the array must
// grow, it at least doubles its capacity (or adds the grow-by value, when larger), so adding
// element after element costs amortised constant time. An element passed by reference that
// lives in the array itself stays valid while the array grows.
#include <memory>
#include <new>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    ~CArray() override { FreeAll(); }
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // Resizes; nGrowBy >= 0 also sets the grow-by value (0: automatic).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[CheckIndex(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Appends src (which may be this array); returns the index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Inserts nCount copies at nIndex (beyond the end the array grows first).
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    // The count (WriteCount) and then the elements (SerializeElements).
    void Serialize(CArchive& ar) override;

protected:
    // Loads nCount elements piece by piece (at most nPiece at a time), so that the array never
    // holds much more than has been read: a damaged count runs into the end of the data instead
    // of allocating it. readPiece(TYPE* first, INT_PTR count) reads into constructed elements.
    template <class Fn>
    void LoadInPieces(DWORD_PTR nCount, INT_PTR nPiece, Fn&& readPiece)
    {
        if (nCount == 0) {
            SetSize(0, -1);
            return;
        }
        INT_PTR nDone = 0;
        while (static_cast<DWORD_PTR>(nDone) < nCount) {
            INT_PTR nChunk = static_cast<INT_PTR>(
                std::min<DWORD_PTR>(nCount - static_cast<DWORD_PTR>(nDone), static_cast<DWORD_PTR>(nPiece)));
            SetSize(nDone + nChunk, -1);
            readPiece(m_pData + nDone, nChunk);
            nDone += nChunk;
        }
    }

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;

private:
    static constexpr INT_PTR kMaxElements = PTRDIFF_MAX / static_cast<INT_PTR>(sizeof(TYPE));

    INT_PTR CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
        return nIndex;
    }
    bool IsInside(const void* p) const
    {
        auto* q = static_cast<const TYPE*>(p);
        return m_pData != nullptr && std::less_equal<const TYPE*>()(m_pData, q) &&
               std::less<const TYPE*>()(q, m_pData + m_nSize);
    }
    static void ConstructRange(TYPE* p, INT_PTR n)
    {
        std::memset(static_cast<void*>(p), 0, static_cast<size_t>(n) * sizeof(TYPE));
        for (INT_PTR i = 0; i < n; ++i)
            ::new (static_cast<void*>(p + i)) TYPE;
    }
    static void DestroyRange(TYPE* p, INT_PTR n) { std::destroy_n(p, n); }
    void Reallocate(INT_PTR nNewMax);
    void FreeAll()
    {
        if (m_pData != nullptr) {
            DestroyRange(m_pData, m_nSize);
            std::allocator<TYPE>().deallocate(m_pData, static_cast<size_t>(m_nMaxSize));
        }
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
    }
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    TYPE* pNewData = nullptr;
    try {
        pNewData = std::allocator<TYPE>().allocate(static_cast<size_t>(nNewMax));
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    if (m_pData != nullptr) {
        if constexpr (std::is_trivially_copyable_v<TYPE>) {
            std::memcpy(static_cast<void*>(pNewData), static_cast<const void*>(m_pData),
                        static_cast<size_t>(m_nSize) * sizeof(TYPE));
        } else {
            std::uninitialized_move_n(m_pData, m_nSize, pNewData);
            DestroyRange(m_pData, m_nSize);
        }
        std::allocator<TYPE>().deallocate(m_pData, static_cast<size_t>(m_nMaxSize));
    }
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nNewSize > kMaxElements)
        AfxThrowMemoryException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
        FreeAll();
        return;
    }
    if (nNewSize > m_nMaxSize) {
        INT_PTR nNewMax;
        if (m_pData == nullptr) {
            nNewMax = std::max(nNewSize, m_nGrowBy > 0 ? m_nGrowBy : 4);
        } else {
            INT_PTR nStep = std::max<INT_PTR>(m_nGrowBy > 0 ? m_nGrowBy : 4, m_nMaxSize);
            nNewMax = m_nMaxSize > kMaxElements - nStep ? kMaxElements : m_nMaxSize + nStep;
            nNewMax = std::max(nNewSize, nNewMax);
        }
        Reallocate(nNewMax);
    }
    if (nNewSize > m_nSize)
        ConstructRange(m_pData + m_nSize, nNewSize - m_nSize);
    else if (nNewSize < m_nSize)
        DestroyRange(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0) {
        FreeAll();
        return;
    }
    Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    if (nIndex == m_nSize && m_nSize < m_nMaxSize) {
        // Appending within the capacity: nothing moves, so newElement stays valid.
        ::new (static_cast<void*>(m_pData + m_nSize)) TYPE(newElement);
        ++m_nSize;
        return;
    }
    if (nIndex >= m_nSize) {
        if constexpr (std::is_reference_v<ARG_TYPE>) {
            if (IsInside(&newElement)) {
                TYPE copy(newElement);
                SetSize(nIndex + 1, -1);
                m_pData[nIndex] = std::move(copy);
                return;
            }
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nAdd = src.m_nSize;
    if (nAdd > kMaxElements - nOldSize)
        AfxThrowMemoryException();
    SetSize(nOldSize + nAdd, -1);
    // When src is this array, its first nAdd elements are the old ones (moved by SetSize).
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nAdd);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        AfxThrowInvalidArgException();
    if constexpr (std::is_reference_v<ARG_TYPE>) {
        if (IsInside(&newElement)) {
            TYPE copy(newElement);
            InsertAt(nIndex, copy, nCount);
            return;
        }
    }
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize) {
        if (nCount > kMaxElements - nIndex)
            AfxThrowMemoryException();
        SetSize(nIndex + nCount, -1);
    } else {
        if (nCount > kMaxElements - nOldSize)
            AfxThrowMemoryException();
        SetSize(nOldSize + nCount, -1);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
        DestroyRange(m_pData + nIndex, nCount);
        ConstructRange(m_pData + nIndex, nCount);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == nullptr || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray == this) {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    INT_PTR n = pNewArray->GetSize();
    if (n == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), n);
    for (INT_PTR i = 1; i < n; ++i)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    DestroyRange(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
    } else {
        DWORD_PTR nCount = ar.ReadCount();
        INT_PTR nPiece = std::max<INT_PTR>(1, 65536 / static_cast<INT_PTR>(sizeof(TYPE)));
        LoadInPieces(nCount, nPiece,
                     [&ar](TYPE* p, INT_PTR n) { SerializeElements<TYPE>(ar, p, n); });
    }
}

MISC_PUBLIC_END
