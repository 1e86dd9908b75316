#pragma once
// Grid rows with a control of their own in the value area: a slider beside the number, and a
// spin button that steps a real number.
#include <afxwin.h>

#include "toolkit/propertygrid.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CCustomItemSlider;
class CCustomItemSpin;

// The slider shown in a slider row; it reports its position to the row.
class CInplaceSlider : public CSliderCtrl {
    DECLARE_DYNAMIC(CInplaceSlider)
public:
    CInplaceSlider() = default;
    void SetItem(CCustomItemSlider* item) { m_pItem = item; }
    CCustomItemSlider* GetItem() const { return m_pItem; }
    // Moves the thumb for the program, not the person: nothing is reported for it.
    void SetPosQuiet(int pos);

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    // Passes the position to the row when it differs from the last one passed (or always).
    void ReportPosition(bool always);

    static constexpr int kNone = -0x7fffffff;
    CCustomItemSlider* m_pItem = nullptr;
    int m_nReported = kNone;
};

class CCustomItemSlider : public CXTPPropertyGridItemNumber {
    DECLARE_DYNAMIC(CCustomItemSlider)
public:
    CCustomItemSlider(CString caption, long value, long* bound);

    void SetRange(int min, int max);
    int GetMin() const { return m_Min; }
    int GetMax() const { return m_Max; }
    void SetNumber(long value) override;
    // A text shown instead of the number.
    void EnableStrValueDisplay(bool enable) { m_EnableStrValueDisplay = enable; }
    bool IsStrValueDisplayEnabled() const { return m_EnableStrValueDisplay; }
    void SetStrValueDisplay(const CString& text);
    CString GetStrValueDisplay() const { return m_strValueDisplay; }
    // No number text: the slider takes the whole value area.
    void SetSliderOnly(bool only) { m_SliderOnly = only; }
    bool GetSliderOnly() const { return m_SliderOnly; }
    CSliderCtrl* GetWndSlider() { return &m_slider; }

    // Places the slider right of the number text (creating it on first use), or removes it when
    // the row is hidden.
    void CreateButton();
    // Re-applies the current value and redraws the grid.
    void SetToDefault();

    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    void SetVisible(BOOL visible) override;
    void OnIndexChanged() override;

protected:
    friend class CInplaceSlider;
    // The slider moved to pos: the row's number follows and the change is reported.
    void OnSliderPosition(int pos);
    // Width of the number text at the left of the value area.
    int TextWidth();

    int m_Min = 0;
    int m_Max = 100;
    CInplaceSlider m_slider;
    int m_nTextWidth = 0;
    CString m_strValueDisplay = "undefined";
    bool m_EnableStrValueDisplay = false;
    bool m_SliderOnly = false;
};

// The spin button of a spin row: each step moves the row's number by its step size.
class CCustomItemSpinInplaceButton : public CSpinButtonCtrl {
    DECLARE_DYNAMIC(CCustomItemSpinInplaceButton)
public:
    CCustomItemSpinInplaceButton() = default;
    void SetItem(CCustomItemSpin* item) { m_pItem = item; }
    CCustomItemSpin* GetItem() const { return m_pItem; }

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnDeltaPos(NMHDR* header, LRESULT* result);

    CCustomItemSpin* m_pItem = nullptr;
};

class CCustomItemSpin : public CXTPPropertyGridItemDouble {
    DECLARE_DYNAMIC(CCustomItemSpin)
public:
    explicit CCustomItemSpin(const CString& caption);

    // Width of the spin button at the right of the value area.
    static constexpr int kButtonWidth = 17;

    void SetSpinDeltaSize(float step) { m_SpinDeltaSize = step; }
    float GetSpinDeltaSize() const { return m_SpinDeltaSize; }
    // The number the row refreshes from.
    void SetNumber(float value) { m_fNumber = value; }
    float GetNumber() const { return m_fNumber; }
    // The row's double becomes the stored number and its value that number ("%0.2f"), reported
    // like typed input.
    void UpdateFromNumber();
    // `steps` spin steps (negative down): the double moves by steps times the step size and the
    // change is reported like typed input.
    void Spin(int steps);
    CSpinButtonCtrl* GetSpinButton() { return &m_spin; }

    CRect GetValueRect() override;
    void OnSelect() override;
    void OnDeselect() override;

protected:
    CCustomItemSpinInplaceButton m_spin;
    float m_fNumber = 0.0f;
    float m_SpinDeltaSize = 1.0f;
};

MISC_PUBLIC_END
