#pragma once
// The grid window: a property-grid control that also carries the library's grid interface
// (CXTPGridWnd: an identifier, a "changed" flag, a window to show and hide, and the settings
// cache). It lets a manager build its categories, creates the rows from them, forwards apply,
// default, refresh and activation, and remembers the layout between runs.
//
// Layout keys in section AppRegName, each a word + KeyAddition + GridID ("%d"):
//   PrefHelpHeight<add><id>  help-pane height in pixels          default 50
//   PrefDivider<add><id>     divider as a fraction of the width  default 0.7, kept in 0.15..0.85
//   PrefTopIndex<add><id>    top row                             default 0
// They and the expanded states reach the user profile file when the grid (and so its settings
// cache) is destroyed.
#include <afxwin.h>
#include <toolkit/propertygrid.h>

#include "misc/grid/model.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The library's grid interface, shared as a virtual base.
class AFX_EXT_CLASS CXTPGridWnd {
public:
    static CRuntimeClass classCXTPGridWnd;
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    // Destroys the settings cache, which writes every cached setting to the user profile file.
    virtual ~CXTPGridWnd();
    // Show and hide Wnd (nothing without one).
    virtual void Activate();
    virtual void DesActivate();
    // Sets Changed.
    virtual void ValueChanged(CXTPPropertyGridItem* item);
    virtual void OnDefault();
    virtual void OnApply();
    // GridID -1, Changed 0, ItemId 0.
    virtual void Clean();
    virtual void InplaceButtonDown(CXTPPropertyGridItem* item);

    int GetGridID() const { return m_GridID; }
    void SetGridID(int id) { m_GridID = id; }
    void SetWnd(CWnd* wnd) { m_Wnd = wnd; }
    int IsChanged() const { return m_Changed; }
    int& GetItemId() { return m_ItemId; }
    CGridRegMngr* GetRegMngr() const { return m_RegMngr; }
    void SetRegMngr(CGridRegMngr* mngr) { m_RegMngr = mngr; }
    int ShowMyWindow(int cmd);
    void MoveMyWindow(const RECT* rect, int repaint);

protected:
    CXTPGridWnd();
    CXTPGridWnd(int gridId, CWnd* wnd);
    // Copies every field, the cache pointer included.
    CXTPGridWnd(const CXTPGridWnd& other);
    // Copies Wnd, GridID, Changed and ItemId only.
    CXTPGridWnd& operator=(const CXTPGridWnd& other);

    CWnd* m_Wnd = nullptr; // not owned
    int m_Reserved = 0;
    int m_GridID = -1;
    int m_Changed = 0;
    int m_ItemId = 0;
    CGridRegMngr* m_RegMngr = nullptr; // owned
};

class AFX_EXT_CLASS CXTPGridEx : public CXTPPropertyGrid, public virtual CXTPGridWnd {
    DECLARE_DYNAMIC(CXTPGridEx)
public:
    explicit CXTPGridEx(int gridId = -1);
    // Cleans (deleting an owned manager, whose model stores its expanded states in the cache);
    // the cache is then destroyed and written out.
    ~CXTPGridEx() override;
    CXTPGridEx(const CXTPGridEx&) = delete;
    CXTPGridEx& operator=(const CXTPGridEx&) = delete;

    // An id other than -1 becomes GridID; the window's child identifier is GridID.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP) override;
    // Passes SpinDeltaSize to the manager and lets it build its categories.
    virtual void Init();
    // Reads the layout from the cache (0 without a section or cache).
    virtual int ReadRegistryInfo(const CString& section);
    // Stores the layout in the cache (0 without a section or cache, or for a zero-width window).
    virtual int SaveRegistryInfo();
    // Init, ReadRegistryInfo(section), then the rows of the manager's categories.
    virtual void Build(const CString& section);
    virtual void Build(const CGnrlGridCategoryDataArray& categories);
    // The manager's UpdateData(this).
    virtual void UpdateData();

    void Activate() override;
    void ValueChanged(CXTPPropertyGridItem* item) override;
    void OnDefault() override;
    // The manager's OnApply once per change.
    void OnApply() override;
    void Clean() override;

    void SetMngr(CGridMngr* mngr, int own);
    CGridMngr* GetMngr() const { return m_Mngr; }
    // out = "Prop_<GridID>", the prefix of the grid's settings keys.
    void BuildGridRegKey(CString& out) const;
    // Sets the remembered expanded state of a category (and with all, of every cached key that
    // contains the category's key); the rows change at the next build.
    void SetExpand(long categoryId, int expand, int all);
    void GetImagesIds(const CLongStringArray& list, CDbArray<sTwoLong>& out);
    // The captions above item, outermost first; returns the outermost ancestor or null.
    CXTPPropertyGridItem* GetProParent(CXTPPropertyGridItem* item, CStringList& path);
    // The row reached by a caption path (the first name anywhere in the grid, then children).
    CXTPPropertyGridItem* GetDataItem(const CStringList& path);
    // Selects every child of every category in turn; the last stays selected.
    void InitGridLines();
    void SetKeyAddition(const CString& addition) { m_KeyAddition = addition; }
    const CString& GetKeyAddition() const { return m_KeyAddition; }
    const CString& GetAppRegName() const { return m_AppRegName; }
    int GetUniqIndex() const { return m_UniqIndex; }
    void SetUniqIndex(int index) { m_UniqIndex = index; }
    void SetSpinDeltaSize(float size) { m_SpinDeltaSize = size; }
    int GetSavedTopIndex() const { return m_TopIndex; }

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnDestroy();
    // word + KeyAddition + GridID.
    CString LayoutKey(LPCTSTR word) const;

    CString m_AppRegName;
    CString m_KeyAddition;
    int m_TopIndex = 0;
    CString m_Reserved2;
    CGridMngr* m_Mngr = nullptr;
    int m_OwnMngr = 1;
    int m_UniqIndex = 0;
    float m_SpinDeltaSize = 1.0f;
};

// A list of grid windows; it deletes nothing.
class AFX_EXT_CLASS CXTPGrids : public CDbArray<CXTPGridEx*> {
public:
    CXTPGridEx* GetGrid(int gridId) const;
};

MISC_PUBLIC_END
