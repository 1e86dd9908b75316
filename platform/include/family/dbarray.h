#pragma once
// CDbArray<T>: the family's ordered, growable array. Elements keep insertion order. Equality
// lookups use T's operator==. An array of pointers holds the pointers only: it deletes nothing
// and copying it copies the pointers.
//
// CLongStringArray: an ordered list of (number, text) pairs for choice lists, with lookups from
// number to text, text to number and number to index. sTwoLong: a pair of longs (a choice
// number and an image identifier).
#include <cassert>
#include <vector>

#include "mfc/string.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

template <class T>
class CDbArray {
public:
    CDbArray() = default;
    virtual ~CDbArray() = default;
    CDbArray(const CDbArray&) = default;
    CDbArray(CDbArray&&) noexcept = default;
    CDbArray& operator=(const CDbArray&) = default;
    CDbArray& operator=(CDbArray&&) noexcept = default;

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_items.empty(); }

    // Appends; returns the new element's index.
    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetSize() - 1;
    }
    // Appends every element of `other`; returns the index of the first one appended.
    int Append(const CDbArray& other)
    {
        int first = GetSize();
        if (&other == this) {
            std::vector<T> copy(other.m_items);
            m_items.insert(m_items.end(), copy.begin(), copy.end());
        } else {
            m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        }
        return first;
    }
    void Copy(const CDbArray& other)
    {
        if (&other != this)
            m_items = other.m_items;
    }
    void RemoveAll() noexcept { m_items.clear(); }

    // True when an element equal to `value` exists.
    bool Find(const T& value) const { return GetIndex(value) >= 0; }
    // Index of the first element equal to `value`, or -1.
    int GetIndex(const T& value) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == value)
                return static_cast<int>(i);
        return -1;
    }
    // The element after the first one equal to `value`; a null element (T()) when `value` is
    // the last element or absent.
    T GetNext(const T& value) const
    {
        int index = GetIndex(value);
        if (index < 0 || index + 1 >= GetSize())
            return T();
        return m_items[index + 1];
    }
    // True when every element equals the first; true for zero or one element.
    bool IsAllEqual() const
    {
        for (size_t i = 1; i < m_items.size(); ++i)
            if (!(m_items[i] == m_items[0]))
                return false;
        return true;
    }

    // Resizes; new elements are zero (value-initialised). A negative size empties the array.
    void SetSize(int nNewSize) { m_items.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0); }
    // Removes the element at nIndex; false and no change when nIndex is negative or not below
    // the size.
    bool RemoveAt(int nIndex)
    {
        if (nIndex < 0 || nIndex >= GetSize())
            return false;
        m_items.erase(m_items.begin() + nIndex);
        return true;
    }
    // Inserts before nIndex. An index beyond the end first grows the array with zero elements
    // (as the platform's CArray does); a negative index inserts nothing and returns false.
    bool InsertAt(int nIndex, const T& value)
    {
        if (nIndex < 0)
            return false;
        if (nIndex >= GetSize()) {
            T copy(value); // value may refer into the array
            SetSize(nIndex);
            m_items.push_back(copy);
        } else {
            m_items.insert(m_items.begin() + nIndex, value);
        }
        return true;
    }

    // The elements as a C array (null when empty); valid until the array changes size.
    T* PointerToArray() noexcept { return m_items.empty() ? nullptr : m_items.data(); }
    const T* PointerToArray() const noexcept { return m_items.empty() ? nullptr : m_items.data(); }
    T* GetData() noexcept { return PointerToArray(); }
    const T* GetData() const noexcept { return PointerToArray(); }

    // Indexed access; the index must be within 0..GetSize()-1.
    T& operator[](int nIndex)
    {
        assert(nIndex >= 0 && nIndex < GetSize());
        return m_items[static_cast<size_t>(nIndex)];
    }
    const T& operator[](int nIndex) const
    {
        assert(nIndex >= 0 && nIndex < GetSize());
        return m_items[static_cast<size_t>(nIndex)];
    }
    T& ElementAt(int nIndex) { return (*this)[nIndex]; }
    const T& GetAt(int nIndex) const { return (*this)[nIndex]; }
    void SetAt(int nIndex, const T& value) { (*this)[nIndex] = value; }

    typename std::vector<T>::iterator begin() noexcept { return m_items.begin(); }
    typename std::vector<T>::iterator end() noexcept { return m_items.end(); }
    typename std::vector<T>::const_iterator begin() const noexcept { return m_items.begin(); }
    typename std::vector<T>::const_iterator end() const noexcept { return m_items.end(); }

private:
    std::vector<T> m_items;
};

// A choice number and the identifier of its image.
struct sTwoLong {
    long Number = 0;
    long ImageId = 0;

    sTwoLong() = default;
    sTwoLong(long number, long imageId) : Number(number), ImageId(imageId) {}
    bool operator==(const sTwoLong& other) const
    {
        return Number == other.Number && ImageId == other.ImageId;
    }
};

// One element of a CLongStringArray.
struct sLongString {
    long Number = 0;
    CString Text;

    sLongString() = default;
    sLongString(long number, const CString& text) : Number(number), Text(text) {}
    bool operator==(const sLongString& other) const
    {
        return Number == other.Number && Text == other.Text;
    }
};

// Choice list: ordered (number, text) pairs. Numbers and texts need not be unique; lookups give
// the first match. Texts compare exactly (case-sensitive).
class CLongStringArray : public CDbArray<sLongString> {
public:
    using CDbArray<sLongString>::Add;
    using CDbArray<sLongString>::GetIndex;
    using CDbArray<sLongString>::Find;

    // Appends a pair; returns its index.
    int Add(long number, const CString& text) { return Add(sLongString(number, text)); }
    // Index of the first pair with this number, or -1.
    int GetIndex(long number) const;
    // Index of the first pair with this text, or -1.
    int FindText(LPCTSTR text) const;
    // The text paired with `number`; false (text unchanged) when no pair has the number.
    bool GetText(long number, CString& text) const;
    // The number paired with `text`; false (number unchanged) when no pair has the text.
    bool GetNumber(LPCTSTR text, long& number) const;
    // The pair at an index, by part; "" and 0 when the index is out of range.
    CString GetTextAt(int nIndex) const;
    long GetNumberAt(int nIndex) const;
};

MISC_PUBLIC_END
