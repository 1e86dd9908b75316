#pragma once
// The grid data model: categories holding trees of items, bound to the host's variables, that
// create, refresh, enable, colour, expand and find their own rows in a property-grid control.
//
// Ownership: a manager (CGridMngr) owns its categories, a category its items, an item its
// children. Host variables are never owned. The settings cache (CGridRegMngr) belongs to the
// grid window; the model keeps a pointer to it and must be destroyed before it.
//
// Expanded states are remembered under keys formed from the grid's prefix "Prop_<grid id>":
// a category adds "_<category id>", an item with children adds "_<caption>" to its parent's key.
#include <afx.h>
#include <afxcoll.h>
#include <family/dbarray.h>

#include "misc/grid/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPPropertyGridItem;
class CXTPPropertyGridItems;
class CXTPGridEx;
class CGridRegMngr;

// The root of every node: identity, enabled and expanded state, help text, settings key.
class AFX_EXT_CLASS CGnrlGridBaseItem {
public:
    explicit CGnrlGridBaseItem(long id = -1);
    CGnrlGridBaseItem(const CGnrlGridBaseItem&) = default;
    CGnrlGridBaseItem& operator=(const CGnrlGridBaseItem&) = default;

    // Stores the expanded state (the base ignores save).
    virtual void SetExpand(int expand, int save);
    // Expands or collapses the node's row (the base does nothing).
    virtual void Expand(CXTPGridEx* grid, int expand);
    virtual ~CGnrlGridBaseItem();

    void SetName(const long& id) { m_NameId = static_cast<int32_t>(id); }
    long GetNameId() const { return m_NameId; }
    int GetEnable() const { return m_Enable; }
    void SetEnable(int enable) { m_Enable = enable; }
    int GetExpand() const { return m_Expand; }
    void SetRegKey(const CString& key) { m_RegKey = key; }
    const CString& GetRegKey() const { return m_RegKey; }
    void SetAppRegName(const CString& name) { m_AppRegName = name; }
    const CString& GetAppRegName() const { return m_AppRegName; }
    void SetDescription(const CString& text) { m_Description = text; }
    // The text of string resource id of the current resource module.
    void SetDescription(const long& id);
    const CString& GetDescription() const { return m_Description; }
    ePropertyType GetPropertyType() const { return m_PropertyType; }
    CGridRegMngr* GetRegMngr() const { return m_RegMngr; }
    void SetRegMngr(CGridRegMngr* mngr) { m_RegMngr = mngr; }

protected:
    int32_t m_NameId;   // caption's string resource and the row's identifier; -1 named by caption
    int m_Enable = 1;   // editable; the row is read-only when 0
    int m_Expand = 1;   // expanded (or to be)
    CString m_RegKey;   // key in the settings cache
    CString m_AppRegName; // section of the settings cache
    CString m_Description;
    ePropertyType m_PropertyType = ePropertyNone;
    CGridRegMngr* m_RegMngr = nullptr; // not owned
};

// One property row and, recursively, its child rows.
class AFX_EXT_CLASS CGnrlGridItemData : public CGnrlGridBaseItem {
public:
    CGnrlGridItemData(long id, const CString& value, eXTPGridItemType type, ePropertyType kind,
                      const CString& regKey, const CString& appRegName);
    CGnrlGridItemData(const CString& caption, const CString& value, eXTPGridItemType type, ePropertyType kind,
                      const CString& regKey, const CString& appRegName);
    // Copies every field; the child list is copied as pointers (the children are not duplicated).
    CGnrlGridItemData(const CGnrlGridItemData&) = default;
    CGnrlGridItemData& operator=(const CGnrlGridItemData&) = default;

    void SetExpand(int expand, int save) override;
    void Expand(CXTPGridEx* grid, int expand) override;
    // Deletes the children, then stores the expanded state in the cache (items with children).
    ~CGnrlGridItemData() override;
    // Creates the row (bound to StrValue) as the last child of parent, then the children's rows.
    virtual void Create(CXTPPropertyGridItem* parent);
    // Refreshes the row from the model: flags, value, then the children.
    virtual void Update(CXTPGridEx* grid, bool byId);
    virtual void Activate(CXTPGridEx* grid);
    // Copies the value to the host (typed items) and writes it to the profile; then the children.
    virtual void OnApply();
    // Whether the value differs from the host variable (the plain item: always 1).
    virtual int IsChanged();
    virtual void OnDefault();
    // Sets the row read-only by Enable and its edit and button flags by EditEnable and HasButton.
    virtual void SetFlags(CXTPPropertyGridItem* item);

    void SetType(eXTPGridItemType type) { m_Type = type; }
    eXTPGridItemType GetType() const { return m_Type; }
    using CGnrlGridBaseItem::SetName;
    void SetName(const CString& name) { m_Name = name; }
    // Sets the identifier and reloads the caption from its string resource.
    void SetName(const long& id);
    const CString& GetName() const { return m_Name; }
    void SetStrValue(CString value) { m_StrValue = value; }
    const CString& GetStrValue() const { return m_StrValue; }
    void SetEditEnable(int enable) { m_EditEnable = enable; }
    int GetEditEnable() const { return m_EditEnable; }
    void SetShowValue(int show) { m_ShowValue = show; }
    int GetShowValue() const { return m_ShowValue; }
    void SetHasButton(int has) { m_HasButton = has; }
    int GetHasButton() const { return m_HasButton; }
    void SetParent(CGnrlGridItemData* parent) { m_Parent = parent; }
    CGnrlGridItemData* GetParent() const { return m_Parent; }
    void SetInitStrValue(const CString& value) { m_InitStrValue = value; }
    const CString& GetInitStrValue() const { return m_InitStrValue; }
    void SetDefaultValue(const CString& value) { m_DefaultValue = value; }
    const CString& GetDefaultValue() const { return m_DefaultValue; }
    CDbArray<CGnrlGridItemData*>& GetChildren() { return m_Children; }
    const CDbArray<CGnrlGridItemData*>& GetChildren() const { return m_Children; }
    bool IsHasChildren() const { return m_Children.GetSize() != 0; }
    const CString& GetExpandRegKey() const { return m_ExpandRegKey; }

    // Appends a child; ownership passes to this item (its Parent is the host's to set).
    void Add(CGnrlGridItemData* child);
    // This item when its identifier is id, else the first match depth-first; null if none.
    CGnrlGridItemData* GetItem(long id);
    // The first direct child captioned name (exact); null if none.
    CGnrlGridItemData* GetItem(const CString& name);
    // True when an ancestor has that caption.
    bool IsHasParent(const CString& name) const;
    // The caption path from the outermost ancestor (at most eleven up) down to this item; returns
    // that ancestor, null without a parent, this item when it is its own parent.
    CGnrlGridItemData* GetProParent(CStringList& path);
    // The row that shows this item; null when not found.
    CXTPPropertyGridItem* FindItem(CXTPGridEx* grid, bool byId);
    void CreateChildren(CXTPPropertyGridItem* item);
    // AppRegName = appRegName, ExpandRegKey = parentKey + "_" + Name, then children with children.
    void SetExpandRegKey(const CString& appRegName, const CString& parentKey);
    // Reads the expanded states back from the rows (found by caption among items).
    void UpdateExpandStatus(CXTPPropertyGridItems* items);
    void UpdateEnable(int enable, CXTPPropertyGridItem* item);
    void Select(CXTPGridEx* grid);
    void SetTopItem(CXTPGridEx* grid);
    void SetColor(CXTPGridEx* grid, COLORREF color, int caption, int value, int back);
    using CGnrlGridBaseItem::SetExpand;
    void SetFlags(CXTPGridEx* grid);
    // The number paired with StrValue (the first element's when none is; 0 for an empty list).
    long GetLongValue(CLongStringArray& list);

protected:
    // Takes the decimal separator from the user's locale on the first construction.
    static void InitDecimalSymbol();
    // Replaces every "." by the decimal separator when it is not ".".
    static void SubstituteSeparator(CString& text);
    static char m_decimalSymbol;

    eXTPGridItemType m_Type;
    CString m_Name;
    CString m_StrValue;     // the row is bound to it
    CString m_InitStrValue; // the host's
    CString m_DefaultValue; // restored by OnDefault
    int m_EditEnable = 1;
    int m_ShowValue = 1;
    int m_HasButton = 0;
    CDbArray<CGnrlGridItemData*> m_Children; // owned
    CString m_ExpandRegKey;
    CGnrlGridItemData* m_Parent = nullptr; // not owned

    friend class CGridModelTestAccess;
};

// A top-level group of items.
class AFX_EXT_CLASS CGnrlGridCategoryData : public CGnrlGridBaseItem {
public:
    CGnrlGridCategoryData(long id, ePropertyType kind, const CDbArray<CGnrlGridItemData*>& items);
    CGnrlGridCategoryData(const CGnrlGridCategoryData&) = default;
    CGnrlGridCategoryData& operator=(const CGnrlGridCategoryData&) = default;

    void SetExpand(int expand, int save) override;
    void Expand(CXTPGridEx* grid, int expand) override;
    // Stores the expanded state in the cache, then deletes the items.
    ~CGnrlGridCategoryData() override;
    virtual void OnApply();
    virtual void OnDefault();
    virtual void Update(CXTPGridEx* grid);
    virtual void Activate(CXTPGridEx* grid);

    CDbArray<CGnrlGridItemData*>& GetItems() { return m_Items; }
    const CDbArray<CGnrlGridItemData*>& GetItems() const { return m_Items; }
    // Replaces the pointer list; the old items are not deleted.
    void SetItems(const CDbArray<CGnrlGridItemData*>& items) { m_Items = items; }
    void SetBold(int bold) { m_Bold = bold; }
    int GetBold() const { return m_Bold; }

    CGnrlGridItemData* GetItem(long id);
    CGnrlGridItemData* GetChildItem(const CString& name);
    CGnrlGridItemData* GetByPropertyType(ePropertyType kind);
    // Destroys the item when it is one of the direct items.
    void Delete(CGnrlGridItemData* item);
    // Adds the category's row and its items' rows to the grid.
    void Create(CXTPGridEx* grid);
    // out = prefix + "_<id>".
    static void BuildRegKey(long id, const CString& prefix, CString& out);
    void SetRegInfo(const CString& appRegName, const CString& prefix);
    void UpdateExpandStatus(CXTPPropertyGridItems* items);
    void UpdateEnable(int enable, CXTPGridEx* grid);

protected:
    CDbArray<CGnrlGridItemData*> m_Items; // owned
    int m_Bold = 0;
};

// The category list of a manager; it deletes nothing.
class AFX_EXT_CLASS CGnrlGridCategoryDataArray : public CDbArray<CGnrlGridCategoryData*> {
public:
    CGnrlGridCategoryData* GetByNameId(int id) const;
    CGnrlGridCategoryData* GetByPropertyType(ePropertyType kind) const;
    // Destroys and removes the first category of that kind.
    void Delete(ePropertyType kind);
};

// The base of every grid manager: owns the categories and forwards to them.
class AFX_EXT_CLASS CGridMngr {
public:
    CGridMngr() = default;
    CGridMngr(const CGridMngr&) = default;
    CGridMngr& operator=(const CGridMngr&) = default;

    // Deletes every category.
    virtual ~CGridMngr();
    // Builds the categories; every concrete manager supplies it.
    virtual void Init() = 0;
    virtual void OnApply();
    virtual void OnDefault();
    virtual void UpdateData(CXTPGridEx* grid);
    virtual void Activate(CXTPGridEx* grid);
    virtual void InplaceButtonDown(CGnrlGridItemData* item);

    const CGnrlGridCategoryDataArray& GetCategories() const { return m_Categories; }
    CGnrlGridCategoryDataArray* GetpCategories() { return &m_Categories; }
    CGnrlGridCategoryData* GetCategory(int id) const { return m_Categories.GetByNameId(id); }
    CGnrlGridItemData* GetItem(const long& id) const;
    // The first category with that identifier, or the first item found before it; categories
    // are tested before their items.
    CGnrlGridBaseItem* GetBaseItem(const long& id) const;
    // Pairs each number of list with a fresh image identifier (they grow across calls).
    void GetImagesIds(const CLongStringArray& list, CDbArray<sTwoLong>& out);
    long GetGridId() const { return m_GridId; }
    void SetSpinDeltaSize(float size) { m_SpinDeltaSize = size; }
    float GetSpinDeltaSize() const { return m_SpinDeltaSize; }

protected:
    int m_ImageCounter = 0;
    CGnrlGridCategoryDataArray m_Categories; // owned
    long m_GridId = 0;
    float m_SpinDeltaSize = 0.0f;
};

// One cached setting.
struct AFX_EXT_CLASS sRegInfo : public CObject {
    sRegInfo(const CString& section, const CString& key) : m_section(section), m_key(key) {}
    CString m_section;
    CString m_key;
    CString m_text; // what is written back
    int m_int = 0;
    double m_double = 0.0;
};

// The settings cache of one grid window: values are read from the user profile file on first use
// and written back, all in one file replacement, when the cache is destroyed.
class AFX_EXT_CLASS CGridRegMngr : public CMapStringToOb {
public:
    CGridRegMngr();
    ~CGridRegMngr() override;
    CGridRegMngr(const CGridRegMngr&) = delete;
    CGridRegMngr& operator=(const CGridRegMngr&) = delete;

    int ReadInt(const CString& section, const CString& entry, int defaultValue);
    void WriteInt(const CString& section, const CString& entry, int value);
    // Sets every cached entry whose section+entry key contains fragment; creates none.
    void WriteIntAll(const CString& section, const CString& fragment, int value);
    double ReadDouble(const CString& section, const CString& entry, double defaultValue);
    void WriteDouble(const CString& section, const CString& entry, double value);
    CString ReadString(const CString& section, const CString& entry, const CString& defaultValue);
    void WriteString(const CString& section, const CString& entry, const CString& value);

private:
    // The entry of section+entry, created (and false returned) when missing.
    sRegInfo* Entry(const CString& section, const CString& entry, bool& found);
    void Flush();
};

MISC_PUBLIC_END
