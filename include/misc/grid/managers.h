#pragma once
// Grid managers: CPrefManager for preferences grids (settings with units, applied in one go) and
// CPropertyMngr for the object-properties grid of the property dialog, which receives the grid's
// notifications through overridable hooks and lets the host push new values into shown rows.
#include "misc/grid/model.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CInterfaceData;
class CPropertyDlg;
class CBitmap;

// The private message a property manager posts to its dialog when a deferred value push is due.
#define WM_PROPDLG_NOTIFY 0x8801

// The manager of a preferences grid.
class AFX_EXT_CLASS CPrefManager : public CGridMngr {
public:
    void Init() override;
    // Each category's Activate(grid).
    void Activate(CXTPGridEx* grid) override;
    // 0 when unit is the current unit; otherwise stores it and returns 1.
    virtual int Activate(int unit);

    void SetInterfaceData(CInterfaceData* data) { m_InterfaceData = data; }
    CInterfaceData* GetInterfaceData() const { return m_InterfaceData; }
    int GetUnit() const { return m_Unit; }
    // A digit, ".", backspace or carriage return.
    static bool IsCharLegal(char c);
    // Keeps the digits and the first "."; "0" when nothing is left.
    static void BuildNumber(CString& text);
    // The item's IsChanged(), 0 when no item has the identifier.
    int IsItemChanged(long id);

protected:
    CPrefManager() = default;

    CInterfaceData* m_InterfaceData = nullptr; // not owned
    int m_Unit = -1;
};

// The manager of the property dialog's grid.
class AFX_EXT_CLASS CPropertyMngr : public CGridMngr {
public:
    CPropertyMngr() = default;
    CPropertyMngr(const CPropertyMngr&) = default;
    CPropertyMngr& operator=(const CPropertyMngr&) = default;

    ~CPropertyMngr() override;
    void Init() override;
    void InplaceButtonDown(CGnrlGridItemData* item) override;
    virtual void SetParentDlg(CPropertyDlg* dlg) { m_ParentDlg = dlg; }
    // What the dialog does on OK: 1 close as confirmed, 2 close as cancelled, else stay open.
    virtual int OnOK();
    virtual void ValueChanged(CGnrlGridItemData* item);
    // Posts the dialog's private notification when a deferred push is pending.
    virtual void PostValueChanged(int post);
    virtual void ItemExpand(CGnrlGridCategoryData* category);
    virtual void InplaceRClick(CGnrlGridItemData* item);
    virtual int GetTitle(CString& title);
    virtual void CreateNewObject(double x, double y);
    virtual void Expand();
    virtual void SetDefaultExpand() { m_DefaultExpand = 1; }
    // The item by a caption path under category categoryId, else by identifier in any category.
    virtual CGnrlGridItemData* GetDataItem(int id, int categoryId, const CStringList& path, const CString& name);

    void SetCreateMode(bool create) { m_CreateMode = create; }
    bool GetCreateMode() const { return m_CreateMode; }
    void SetHideDisabled(bool hide) { m_HideDisabled = hide; }
    bool GetHideDisabled() const { return m_HideDisabled; }
    void SetPostUpdateMessage(bool post) { m_PostUpdateMessage = post; }
    bool GetPostUpdateMessage() const { return m_PostUpdateMessage; }
    int GetDefaultExpand() const { return m_DefaultExpand; }
    CPropertyDlg* GetParentDlg() const { return m_ParentDlg; }
    CBitmap* GetBitmap() const { return m_Bitmap; }
    void SetAppRegName(const CString& name) { m_AppRegName = name; }
    const CString& GetAppRegName() const { return m_AppRegName; }

    CGnrlGridCategoryData* GetCategoryItem(int id) const { return m_Categories.GetByNameId(id); }
    void SetEnableItem(long id, int enable);
    void SetEnableItem(CGnrlGridItemData* item, int enable);
    void SetEditEnableItem(long id, int enable);
    void SetEditEnableItem(CGnrlGridItemData* item, int enable);
    int IsEnableItem(long id);
    int IsEnableItem(CGnrlGridItemData* item);
    void SetColorItem(long id, COLORREF color, int caption, int value, int back);
    void SetColorItem(CGnrlGridItemData* item, COLORREF color, int caption, int value, int back);
    void RestoreColorItem(long id, int back);
    // The host pushes a new value into a shown item; value points to a type that depends on the
    // item's Type (see the unit). Deferred when hidden disabled properties force a rebuild.
    void UpdateItem(long id, void* value);
    void UpdateItem(CGnrlGridItemData* item, void* value, bool byId);
    void SetBitmap(CBitmap* bitmap);
    void SetRegInfo(long gridId);
    void SetExpand(long id, int expand, int save);
    void UpdateEnable(int enable, int first);

protected:
    virtual int _NameChanged(const CString& name);
    virtual void _RadiusChanged(double radius);
    virtual void _XLocationChanged(double x);
    virtual void _YLocationChanged(double y);
    virtual void _SetReflection(int reflection);
    virtual int _ChangeSymmetry(CGnrlGridItemData* item);
    virtual void _ChangePlotCudMethod(CGnrlGridItemData* item);
    virtual int _ChangeToolNumber(CGnrlGridItemData* item);
    virtual void _PlotCutTimeChanged(CGnrlGridItemData* item);

    // The dialog's grid, or null without a dialog or grid.
    CXTPGridEx* DlgGrid() const;

    bool m_HideDisabled = false;
    bool m_PostUpdateMessage = false;
    int m_HostWord = 0;
    int m_DefaultExpand = 0;
    CPropertyDlg* m_ParentDlg = nullptr; // not owned
    bool m_CreateMode = false;
    CBitmap* m_Bitmap = nullptr; // not owned
    CString m_AppRegName;
};

// A list of property managers; it deletes nothing.
class AFX_EXT_CLASS CPropertyMngrArray : public CDbArray<CPropertyMngr*> {
public:
    bool IsIn(long gridId) const;
};

// What a property manager needs of the dialog that shows its grid. The property dialog's unit
// defines these; until it is linked in, the manager works without a dialog.
CXTPGridEx* MiscPropertyDlgGrid(CPropertyDlg* dlg);           // the dialog's grid window, or null
void MiscPropertyDlgSetBitmap(CPropertyDlg* dlg);             // the dialog's virtual SetBitmap()
BOOL MiscPropertyDlgPost(CPropertyDlg* dlg, WPARAM wParam, LPARAM lParam); // posts WM_PROPDLG_NOTIFY

MISC_PUBLIC_END
