#pragma once
// Grid rows that paint their own value: a choice with images, a push button, a colour swatch,
// and a choice shown as one image of a bitmap strip.
#include <afxwin.h>

#include "family/dbarray.h"
#include "toolkit/propertygrid.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A choice whose drop-down entries carry images of the grid's image manager (each constraint's
// data is its image identifier), with an initial text that need not be one of the choices.
class CKestPropertyGridItemEnum : public CXTPPropertyGridItemEnum {
    DECLARE_DYNAMIC(CKestPropertyGridItemEnum)
public:
    CKestPropertyGridItemEnum(UINT id, bool showValue, int value, int* bound);

    bool GetShowValue() const { return m_bShowValue; }
    // The value text becomes empty.
    void EmptyValue();
    // Shows text as the value (added as a choice with data -1 when it is none of them).
    void SetInitValue(const CString& text);
    // Removes the choice added for the initial text.
    void RemoveInitValue();
    CString GetInitValue() const { return m_strInitValue; }
    virtual void Update() {}

    CString GetViewValue() override;
    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    CSize OnMergeItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint) override;
    void OnDrawItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint, CRect rc,
                              BOOL selected) override;
    void OnBeforeInsert() override;

protected:
    bool m_bShowValue = true;
    CString m_strInitValue;
};

// A row that is a push button: a click in its value area reports a value change.
class CCustomButton : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CCustomButton)
public:
    CCustomButton(UINT id, const CString& value);

    BOOL IsPressed() const { return m_pPressed != nullptr; }

    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    BOOL OnLButtonDown(UINT flags, CPoint point) override;

protected:
    // Non-null while the button is down: it selects the pressed look of the frame.
    CCustomButton* m_pPressed = nullptr;
};

// A row showing a colour swatch (a rectangle 18 pixels wide, or a circle) before its text.
class CDrawCustomItem : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CDrawCustomItem)
public:
    CDrawCustomItem(const CString& caption, const CString& value, CString* bind);

    static constexpr int kSwatchWidth = 18;

    void SetColour(COLORREF colour) { m_Colour = colour; }
    COLORREF GetColour() const { return m_Colour; }
    // Non-zero: a rectangle; zero: a circle.
    void SetRectangle(int rectangle) { m_Rectangle = rectangle; }
    int GetRectangle() const { return m_Rectangle; }

    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;

protected:
    COLORREF m_Colour = 0;
    int m_Rectangle = 1;
};

// A row choosing one of a list, shown as the matching image of a horizontal bitmap strip; its
// button opens a list of images and texts.
class CCustomItemBmp : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CCustomItemBmp)
public:
    // The drop-down list: a modal pop-up holding an owner-drawn list of the row's choices. A
    // click on an entry (or Enter) ends it with IDOK and that entry chosen; Escape with IDCANCEL.
    class CListBoxDlg : public CDialog {
    public:
        CListBoxDlg(CCustomItemBmp* item, CWnd* parent);
        // Where the pop-up shows, in screen coordinates (set before DoModal).
        void SetPlacement(const CRect& rect) { m_rcPlace = rect; }
        int GetChoice() const { return m_nChoice; }
        CListBox& GetList() { return m_list; }
        BOOL OnInitDialog() override;

    protected:
        DECLARE_MESSAGE_MAP()
        afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT draw);
        afx_msg void OnMeasureItem(int id, LPMEASUREITEMSTRUCT measure);
        afx_msg void OnListClick();
        void OnOK() override;

        CCustomItemBmp* m_pItem;
        CListBox m_list;
        CRect m_rcPlace;
        int m_nChoice = -1;
    };

    // Takes a copy of bitmap (the caller keeps its own).
    CCustomItemBmp(UINT id, long* index, HBITMAP bitmap);
    ~CCustomItemBmp() override;

    void SetImageSize(CSize size) { m_szImage = size; }
    CSize GetImageSize() const { return m_szImage; }
    void SetList(const CLongStringArray& list) { m_List = list; }
    const CLongStringArray& GetList() const { return m_List; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    long GetCurrentIndex() const { return m_pIndex ? *m_pIndex : 0; }
    CListBoxDlg* GetListDlg() const { return m_pListDlg; }

    // Height of one list entry: the image height plus 2.
    void MeasureItem(LPMEASUREITEMSTRUCT measure);
    // Paints one list entry: the choice's image and text.
    void DrawItem(LPDRAWITEMSTRUCT draw);
    // Paints the image of choice `index` with its top-left corner at pt.
    void DrawImage(CDC& dc, int index, CPoint pt);

    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    void OnInplaceButtonDown() override;

protected:
    HBITMAP m_hBitmap = nullptr; // owned copy
    CSize m_szImage{16, 16};
    long* m_pIndex = nullptr;
    CLongStringArray m_List;
    CListBoxDlg* m_pListDlg = nullptr; // owned, made on first use
};

MISC_PUBLIC_END
