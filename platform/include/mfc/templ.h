#pragma once
// MFC's collection templates: CArray, CList, CMap, the typed pointer wrappers, and the element
// helpers they call (SerializeElements, CompareElements, CopyElements, HashKey), which a program
// may specialise for its own element types as in MFC.
//
// Index and position errors throw CInvalidArgException* as MFC 8 does; allocation failures throw
// CMemoryException*.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>

#include "mfc/archive.h"
#include "mfc/exception.h"
#include "mfc/object.h"
#include "mfc/string.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Writes or reads nCount elements. Plain data is written byte for byte, as MFC does by default
// (so a record of two doubles takes 16 bytes); CString and other types with archive operators
// are written one by one; anything else cannot be archived and throws CNotSupportedException*.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if (nCount <= 0)
        return;
    if constexpr (std::is_trivially_copyable_v<TYPE>) {
        BYTE* p = reinterpret_cast<BYTE*>(pElements);
        ULONGLONG left = static_cast<ULONGLONG>(nCount) * sizeof(TYPE);
        while (left > 0) {
            UINT n = static_cast<UINT>(std::min<ULONGLONG>(left, 0x40000000u));
            if (ar.IsStoring())
                ar.Write(p, n);
            else
                ar.EnsureRead(p, n);
            p += n;
            left -= n;
        }
    } else if constexpr (requires(CArchive& a, TYPE& t) {
                             a << t;
                             a >> t;
                         }) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else {
        AfxThrowNotSupportedException();
    }
}

template <class TYPE>
void DumpElements(CDumpContext&, const TYPE*, INT_PTR)
{
}

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class TYPE>
void CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
        pDest[i] = pSrc[i];
}

// Hash values of map keys. Integers and enumerations hash to their value (folded), pointers to
// their address; strings hash their characters. Other key types need a specialisation.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    using K = std::remove_cvref_t<ARG_KEY>;
    if constexpr (std::is_pointer_v<K>) {
        auto v = reinterpret_cast<uintptr_t>(key);
        return static_cast<UINT>((v >> 4) ^ (static_cast<ULONGLONG>(v) >> 36));
    } else if constexpr (std::is_integral_v<K> || std::is_enum_v<K>) {
        auto v = static_cast<ULONGLONG>(key);
        return static_cast<UINT>(v ^ (v >> 32));
    } else {
        static_assert(std::is_pointer_v<K>, "HashKey needs a specialisation for this key type");
        return 0;
    }
}

inline UINT AfxHashString(LPCSTR key)
{
    UINT nHash = 0;
    if (key != nullptr) {
        while (*key)
            nHash = (nHash << 5) + nHash + static_cast<BYTE>(*key++);
    }
    return nHash;
}

template <>
inline UINT HashKey<LPCSTR>(LPCSTR key)
{
    return AfxHashString(key);
}
template <>
inline UINT HashKey<const CString&>(const CString& key)
{
    return AfxHashString(key);
}
template <>
inline UINT HashKey<CString>(CString key)
{
    return AfxHashString(key);
}
template <>
inline UINT HashKey<CString&>(CString& key)
{
    return AfxHashString(key);
}

#include "mfc/templ_array.h"
#include "mfc/templ_list.h"
#include "mfc/templ_map.h"
#include "mfc/templ_typed.h"

MISC_PUBLIC_END
