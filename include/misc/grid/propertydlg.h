#pragma once
// The property dialog: the properties of one object of the host (a piece, a point, a tool) in a
// grid window, with the object's name above the grid and, when the manager supplies one, a
// picture below it.
//
// The host derives from CPropertyDlg and from CPropertyMngr: the derived dialog creates its
// manager in Init(gridId, object), the manager fills the categories in its own Init. The dialog
// rebuilds its grid whenever it is asked to show another kind of object (BuildGrid), turns the
// grid's notifications into calls of the manager's hooks, and on OK and Cancel closes (create
// mode) or stays open (edit mode, a permanent pane in the host's window).
//
// Resources: template 490 (edit mode) or 492 (create mode, OK and Cancel), the name label 1489,
// the frame 1488 that marks the area of grid and picture, the picture 1432; the grid window is
// created as control 1490; icon 9.
//
// The manager talks back through the private message WM_PROPDLG_NOTIFY (0x8801):
//   wParam 1  a deferred value push is pending: the pure hook OnPostedValueChanged() runs
//   wParam 2  the dialog takes the keyboard focus (CWnd::SetFocus on itself)
//   wParam 3  lParam is an sExpandPropItem made with new by the sender: Expand(it), then the
//             dialog deletes it (also when its category does not exist)
#include <afxwin.h>
#include <toolkit/resize.h>

#include "misc/grid/gridwnd.h"
#include "misc/grid/managers.h"
#include "misc/ui/colored.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A request to expand part of the grid: a category and the rows under it, by index among the
// category's rows (only the numbers of Items are used).
struct AFX_EXT_CLASS sExpandPropItem {
    long CategoryId = 0;
    CLongStringArray Items;
};

class AFX_EXT_CLASS CPropertyDlg : public CQVXColoredDlg, public CXTResize
{
public:
    enum : UINT { kTemplateEdit = 490, kTemplateCreate = 492 };
    enum : int { kFrameId = 1488, kPictureId = 1432, kNameId = 1489, kGridId = 1490, kIconId = 9 };
    // The gap between the grid and the picture under it, in pixels.
    static const int kPictureGap = 4;

    // Edit mode, template 490, grid 0. `colour` goes to the coloured-dialog base.
    CPropertyDlg(COLORREF* colour, CWnd* parent, HINSTANCE resources);
    // Template 492 when createMode, else 490.
    CPropertyDlg(COLORREF* colour, int gridId, bool createMode, CWnd* parent, HINSTANCE resources);
    // Deletes the manager, then the grid (whose settings reach the user profile file).
    ~CPropertyDlg() override;

    using CQVXColoredDlg::Create;
    // Creates the dialog from template 490 as a modeless child of parent (edit mode).
    virtual BOOL Create(CWnd* parent);
    // ShowPropertyDlg(1, gridId, the point (x, y), 1).
    virtual void CreateNewObject(long gridId, double x, double y);
    // ShowPropertyDlg(1, gridId, object, 0).
    virtual void EditObject(long gridId, void* object);
    // Replaces manager and rows for grid gridId (-1: no grid, hidden); see the unit.
    virtual void BuildGrid(long gridId, void* object);
    // The derived dialog creates its manager here (SetPropMngr); empty.
    virtual void Init(long gridId, void* object);
    // The derived dialog shows itself and builds; empty.
    virtual void ShowPropertyDlg(int show, long gridId, void* object, int create);
    // Puts the manager's bitmap into the picture control and lays the frame out again.
    virtual void SetBitmap();
    // A deferred value push is pending (message 0x8801, code 1): the host rebuilds or refreshes.
    virtual void OnPostedValueChanged() = 0;
    // The manager's Expand().
    virtual void Expand();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CXTPGridEx* GetGrid() const { return m_Grid; }
    CPropertyMngr* GetPropMngr() const { return m_PropMngr; }
    // The manager of the grid being built; the dialog owns it from now on. Init calls this.
    void SetPropMngr(CPropertyMngr* mngr) { m_PropMngr = mngr; }
    void SetGridId(int id) { m_GridId = id; }
    void SetCreateMode(bool create) { m_CreateMode = create; }
    bool GetCreateMode() const { return m_CreateMode; }
    // The grid's GridID, -1 without a grid.
    int GetGridId() const;
    // A manager with at least one category.
    bool IsShow() const;
    // The name label shows string resource id (empty for -1 or a missing string) / the text.
    void SetName(long id);
    void SetName(const CString& name);
    int ReadRegistryInfo(const CString& section);

    // Expands the requested category and rows, and scrolls the category to the top.
    void Expand(sExpandPropItem* request);
    // Stores every category row's expanded state (and its rows') into the manager's model.
    void UpdateExpandStatus();
    // The data item of a grid row (null without a manager or when none matches) and back.
    CGnrlGridItemData* GetGridItemData(CXTPPropertyGridItem* item);
    CXTPPropertyGridItem* GetGridItemData(CGnrlGridItemData* data);
    // The grid's colours from the coloured-dialog background colour, when one is set.
    void UpdateColor();
    // Lays out grid and picture inside the frame (also after every size change).
    void SetImagePosition();

protected:
    void OnOK() override;
    void OnCancel() override;
    void ApplyGridColors();
    CGnrlGridItemData* ItemByCaptions(int categoryId, const CStringList& path, const CString& caption);

    DECLARE_MESSAGE_MAP()
    afx_msg LRESULT OnGridNotify(WPARAM code, LPARAM item);
    afx_msg LRESULT OnPropDlgNotify(WPARAM code, LPARAM data);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info);
    afx_msg void OnDestroy();

    int m_GridId = 0;
    CRect m_GridRect;
    CXTPGridEx* m_Grid = nullptr;         // owned
    CPropertyMngr* m_PropMngr = nullptr;  // owned
    bool m_CreateMode = false;
    CStatic m_Frame;
    CStatic m_Picture;
    HINSTANCE m_Resources = nullptr;
};

MISC_PUBLIC_END
