// Remembered-value lists: the items, the list and the table of list types.
#include "misc/data/combolist.h"

#include <cstdint>
#include <vector>

namespace {

const sComboListType kListTypes[] = {
    {COMBO_LIST_PIECE_NAME, "SpecialPieceName", "Piece Names"},
    {COMBO_LIST_MATERIAL_NAME, "SpecialMaterialName", "Materials"},
    {COMBO_LIST_TOOL_NAME, "SpecialToolName", "Tool Names"},
    {COMBO_LIST_STYLE_NAME, "SpecialStyleName", "Styles"},
    {COMBO_LIST_MAX_TILT, "SpecialMaxTilt", "Tilts"},
    {COMBO_LIST_BUFFERING, "SpecialBuffering", "Buffering"},
    {COMBO_LIST_QUANTITIES_PER_SET, "SpecialQuntitiesPerSet", "Quantities"},
    {COMBO_LIST_PIECE_DESC, "SpecialPieceDesc", "Descriptions"},
    {COMBO_LIST_PIECE_CODE, "SpecialPieceCode", "Codes"},
    {COMBO_LIST_QUALITY, "SpecialQulity", "Qualities"},
    {COMBO_LIST_EMAIL_ADDRESS, "EmailAddress", "Email Addresses"},
    {COMBO_LIST_POINT_NAME, "SpecialPointName", "Point Names"},
    {COMBO_LIST_PLEAT_NAME, "SpecialPleatName", ""},
    {COMBO_LIST_INT_CONTOUR_NAME, "SpecialIntContourName", ""},
};

// The items met while loading a list: an open-addressing set of pointers, cheap enough to check
// every item of a long list (a node-based set would cost an allocation per item).
class PointerSet {
public:
    // False when p is already in the set.
    bool Insert(const void* p)
    {
        if ((m_used + 1) * 2 > m_slots.size())
            Grow();
        const uintptr_t v = reinterpret_cast<uintptr_t>(p);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = Slot(v);; i = (i + 1) & mask) {
            if (m_slots[i] == v)
                return false;
            if (m_slots[i] == 0) {
                m_slots[i] = v;
                ++m_used;
                return true;
            }
        }
    }

private:
    // Fibonacci hashing: the top bits of the product index the table.
    size_t Slot(uintptr_t v) const { return static_cast<size_t>((v * 0x9E3779B97F4A7C15ull) >> m_shift); }
    void Grow()
    {
        std::vector<uintptr_t> old(m_slots.empty() ? 64 : m_slots.size() * 2, 0);
        old.swap(m_slots);
        m_shift = 64;
        for (size_t n = m_slots.size(); n > 1; n >>= 1)
            --m_shift;
        m_used = 0;
        for (uintptr_t v : old)
            if (v)
                Insert(reinterpret_cast<const void*>(v));
    }

    std::vector<uintptr_t> m_slots;
    size_t m_used = 0;
    int m_shift = 64;
};

const sComboListType* FindType(int type)
{
    for (const sComboListType& row : kListTypes)
        if (row.type == type)
            return &row;
    return nullptr;
}

} // namespace

const sComboListType* getComboListTypes(int* count)
{
    if (count)
        *count = static_cast<int>(sizeof(kListTypes) / sizeof(kListTypes[0]));
    return kListTypes;
}

CString& getNameByType(CString& out, int type)
{
    const sComboListType* row = FindType(type);
    out = row ? row->listName : "";
    return out;
}

CString& getTitleByType(CString& out, int type)
{
    const sComboListType* row = FindType(type);
    out = row ? row->title : "";
    return out;
}

// --- CComboItem ------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CComboItem, CObject, 1)

CComboItem::CComboItem(const CComboItem& other)
    : CObject(), m_strName(other.m_strName), m_strTypeName(other.m_strTypeName)
{
}

CComboItem::CComboItem(LPCSTR name, LPCSTR typeName) : m_strName(name), m_strTypeName(typeName)
{
}

CComboItem& CComboItem::operator=(const CComboItem& other)
{
    m_strName = other.m_strName;
    m_strTypeName = other.m_strTypeName;
    return *this;
}

CComboItem::~CComboItem() = default;

bool CComboItem::operator==(const CComboItem& other) const
{
    return m_strName.Compare(other.m_strName) == 0 &&
           m_strTypeName.Compare(other.m_strTypeName) == 0;
}

void CComboItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strName << m_strTypeName;
    else
        ar >> m_strName >> m_strTypeName;
}

// --- CComboItemList --------------------------------------------------------------------------

IMPLEMENT_SERIAL(CComboItemList, CObArray, 1)

CComboItemList::~CComboItemList()
{
    RemoveAllItems();
}

void CComboItemList::RemoveAllItems()
{
    for (INT_PTR i = 0; i < m_nSize; ++i)
        delete m_pData[i];
    RemoveAll();
}

CComboItem* CComboItemList::GetComboItem(int index)
{
    if (index < 0 || index >= m_nSize)
        return nullptr;
    return static_cast<CComboItem*>(m_pData[index]);
}

void CComboItemList::AddComboItem(CComboItem* item, int atFront)
{
    if (!item)
        return;
    if (atFront)
        InsertAt(0, item);
    else
        Add(item);
}

void CComboItemList::AddNewComboItem(CComboItem& item, int atFront)
{
    if (item.m_strName.IsEmpty())
        return;
    int index = Find(item);
    if (index >= 0) {
        if (!atFront)
            return;
        delete m_pData[index];
        RemoveAt(index);
    }
    AddComboItem(new CComboItem(item), atFront);
}

int CComboItemList::Find(const CComboItem& item)
{
    for (INT_PTR i = 0; i < m_nSize; ++i)
        if (*static_cast<const CComboItem*>(m_pData[i]) == item)
            return static_cast<int>(i);
    return -1;
}

void CComboItemList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        for (INT_PTR i = 0; i < m_nSize; ++i)
            ar.WriteObject(m_pData[i]);
        return;
    }
    RemoveAllItems();
    DWORD_PTR count = ar.ReadCount();
    // The count comes from the file: the array grows with the items really read, never ahead.
    PointerSet seen;
    for (DWORD_PTR i = 0; i < count; ++i) {
        CObject* object = ar.ReadObject(RUNTIME_CLASS(CComboItem));
        // A null item or one met twice (a reference to an earlier object) would leave the list
        // with a hole or a doubly owned item: both are damage.
        if (!object || !seen.Insert(object))
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        try {
            Add(object);
        } catch (...) {
            delete object;
            throw;
        }
    }
}

CString CComboItemList::GetNameFromType(int type)
{
    CString name;
    return getNameByType(name, type);
}
