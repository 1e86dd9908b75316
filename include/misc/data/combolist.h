#pragma once
// Remembered-value lists: the values typed before into a kind of text field (piece names,
// materials, tool names, e-mail addresses, ...). Each list type has a list name, which names its
// file "<common data folder>/<list name>.cbi", and a title shown by the list editor.
//
// File format: the list's MFC archive image (schema 1): the item count, then each item as an
// object of class "CComboItem" (the first with its class record, later ones with a reference to
// it), each holding its name and type name as archive strings. Index 0 is the front.
#include <afx.h>
#include <afxcoll.h>
#include <mfc/smallblock.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// List types.
enum {
    COMBO_LIST_PIECE_NAME = 100,
    COMBO_LIST_MATERIAL_NAME = 110,
    COMBO_LIST_TOOL_NAME = 120,
    COMBO_LIST_STYLE_NAME = 130,
    COMBO_LIST_MAX_TILT = 140,
    COMBO_LIST_BUFFERING = 150,
    COMBO_LIST_QUANTITIES_PER_SET = 160,
    COMBO_LIST_PIECE_DESC = 170,
    COMBO_LIST_PIECE_CODE = 180,
    COMBO_LIST_QUALITY = 190,
    COMBO_LIST_EMAIL_ADDRESS = 200,
    COMBO_LIST_POINT_NAME = 210,
    COMBO_LIST_PLEAT_NAME = 220,
    COMBO_LIST_INT_CONTOUR_NAME = 230,
};

// One row of the table of list types.
struct sComboListType {
    int type;
    LPCSTR listName; // names the file
    LPCSTR title;    // shown by the list editor; may be empty
};

// The table of list types, in type order; *count receives the number of rows.
const sComboListType* getComboListTypes(int* count);
// The list name of a type (empty for any other type) in out; returns out.
CString& getNameByType(CString& out, int type);
// The editor title of a type (empty for any other type) in out; returns out.
CString& getTitleByType(CString& out, int type);

class CComboItem : public CObject {
    DECLARE_SERIAL(CComboItem)
public:
    CComboItem() = default;
    CComboItem(const CComboItem& other);
    CComboItem(LPCSTR name, LPCSTR typeName);
    CComboItem& operator=(const CComboItem& other);
    ~CComboItem() override;

    // Equal when both strings are equal, case included.
    bool operator==(const CComboItem& other) const;

    // Items come from the platform's small blocks: a long list is made and freed without a call
    // of the C allocator per item.
    static void* operator new(size_t bytes) { return MiscSmallBlockAlloc(bytes); }
    static void operator delete(void* p, size_t bytes) noexcept { MiscSmallBlockFree(p, bytes); }

    void Serialize(CArchive& ar) override;

    CString m_strName;     // the value shown to the user
    CString m_strTypeName; // label of the list the item belongs to
};

// A list of items; the list owns them and destroys them with itself.
class CComboItemList : public CObArray {
    DECLARE_SERIAL(CComboItemList)
public:
    CComboItemList() = default;
    ~CComboItemList() override;

    // The item at index, or null for an index out of range.
    CComboItem* GetComboItem(int index);
    // Takes ownership; inserts at index 0 when atFront is non-zero, else appends. A null item is
    // ignored.
    void AddComboItem(CComboItem* item, int atFront);
    // Adds a copy of item unless its name is empty. An equal item already in the list is left as
    // it is when atFront is zero (nothing is added), else it is removed and the copy goes first.
    void AddNewComboItem(CComboItem& item, int atFront);
    // Index of the first equal item, or -1.
    int Find(const CComboItem& item);
    // Destroys every item.
    void RemoveAllItems();

    // Writes the list to the file of its type (replacing the file as a whole, so that a crash
    // leaves the old or the new list). Nothing is reported when that fails.
    void Store(int type);
    // Replaces the items with those of the file of type. A file that cannot be opened leaves the
    // list as it was; a damaged one leaves it empty.
    void Load(int type);

    // The same for a file given by path: Store answers whether the file was written, Load
    // whether the file was opened (and is then empty when it was damaged).
    BOOL StoreToFile(LPCSTR path);
    BOOL LoadFromFile(LPCSTR path);
    // The path of the file of a list type.
    static CString GetListFilePath(int type);

    // Storing writes the count and the items; loading replaces the items and throws the
    // archive's exceptions for damaged data (a null item, an item that is not a CComboItem, or
    // one stored twice is damage), keeping the items read before.
    void Serialize(CArchive& ar) override;

private:
    CString GetNameFromType(int type);

    CString m_strSpare; // always empty
};

MISC_PUBLIC_END
