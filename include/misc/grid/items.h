#pragma once
// Typed items: rows of the data model with a typed value, its limits or choices, an optional host
// variable that mirrors it, and their own way of writing the value to the user profile file.
//
// Common pattern: the row's editor is bound to Value; OnApply copies Value to the host variable
// (Global) and, when RegKey is set, writes it as text to section AppRegName of the user profile
// file; IsChanged compares Value with the host variable; OnDefault restores Default. The typed
// constructors take RegKey and leave AppRegName empty: a host that wants the value saved sets it.
// Texts shown in the grid use the locale's decimal separator; texts written to the profile ".".
#include "misc/grid/model.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CBitmap;

// A real number with a unit (Type 6), or a whole number (Type 2).
class AFX_EXT_CLASS CNumberGnrlItemData : public CGnrlGridItemData {
public:
    CNumberGnrlItemData(long id, double value, int unit, ePropertyType kind, const CString& format,
                        const CString& regKey);
    CNumberGnrlItemData(const CString& caption, double value, int unit, ePropertyType kind, const CString& format,
                        const CString& regKey);
    CNumberGnrlItemData(const CNumberGnrlItemData&) = default;
    CNumberGnrlItemData& operator=(const CNumberGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    void OnApply() override;
    int IsChanged() override;
    void OnDefault() override;

    void SetGlobal(double* global) { m_GlobalDouble = global; }
    void SetGlobal(int* global) { m_GlobalInt = global; }
    void SetDefault(double value) { m_Default = value; }
    void SetValue(double value) { m_Value = value; }
    double GetValue() const { return m_Value; }
    void SetUnit(int unit) { m_Unit = unit; }
    int GetUnit() const { return m_Unit; }
    void SetUnitType(eUnitType type) { m_UnitType = type; }
    eUnitType GetUnitType() const { return m_UnitType; }
    void SetFormat(const CString& format) { m_Format = format; }
    void SetAdditionLegalChar(const CDbArray<int>& chars) { m_AdditionLegalChar = chars; }
    void SetPreventZero(int prevent) { m_PreventZero = prevent; }
    // The text the row shows for Value: "0" for exactly 0, else Format (x100 for percentages),
    // with the decimal separator substituted.
    CString FormatValue() const;

protected:
    double m_Value;
    double* m_GlobalDouble = nullptr;
    int* m_GlobalInt = nullptr;
    double m_Default;
    int m_Unit;
    eUnitType m_UnitType = UNIT_TYPE_LINEAR;
    CString m_Format;
    CDbArray<int> m_AdditionLegalChar;
    int m_PreventZero = 0;
};

// A check box (Type 4): 0 unchecked, 1 checked, 2 indeterminate.
class AFX_EXT_CLASS CCheckBoxGnrlItemData : public CGnrlGridItemData {
public:
    CCheckBoxGnrlItemData(long id, int defaultValue, int* global, ePropertyType kind, const CString& regKey);
    CCheckBoxGnrlItemData(const CCheckBoxGnrlItemData&) = default;
    CCheckBoxGnrlItemData& operator=(const CCheckBoxGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    void OnApply() override;
    int IsChanged() override;
    void OnDefault() override;

    void SetValue(int value) { m_Value = value; }
    int GetValue() const { return m_Value; }
    void SetChkBoxStyle(DWORD style) { m_ChkBoxStyle = style; }
    DWORD GetChkBoxStyle() const { return m_ChkBoxStyle; }
    // The host variable and the saved text hold the inverse of the box.
    void SetOpposite(int opposite);
    void SetTrueFalse(const CString& trueText, const CString& falseText);
    // Saves "YES"/"NO" (whatever the argument).
    void SetWriteYesNo(int yesNo);

protected:
    DWORD m_ChkBoxStyle;
    int m_Value;
    int* m_Global;
    int m_Default;
    int m_Opposite = 0;
    CString m_TrueText = "1";
    CString m_FalseText = "0";
};

// A slider between Min and Max (Type 5).
class AFX_EXT_CLASS CSliderGnrlItemData : public CGnrlGridItemData {
public:
    CSliderGnrlItemData(long id, int defaultValue, int min, int max, int* global, ePropertyType kind,
                        const CString& regKey);
    CSliderGnrlItemData(const CString& caption, int defaultValue, int min, int max, int* global,
                        ePropertyType kind, const CString& regKey);
    CSliderGnrlItemData(const CSliderGnrlItemData&) = default;
    CSliderGnrlItemData& operator=(const CSliderGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    void OnApply() override;
    int IsChanged() override;
    void OnDefault() override;

    void SetValue(int value) { m_Value = value; }
    int GetValue() const { return static_cast<int>(m_Value); }
    void SetEnableStrValueDisplay(bool enable) { m_EnableStrValueDisplay = enable; }
    void SetStrValueDisplay(CString text) { m_StrValueDisplay = text; }
    void SetSliderOnly(bool only) { m_SliderOnly = only; }

protected:
    void InitSlider(int defaultValue, int min, int max, int* global, ePropertyType kind);

    int m_Min = 0;
    int m_Max = 0;
    long m_Value = 0; // a long, since the slider row binds a long (a 32-bit int where this began)
    int* m_Global = nullptr;
    int m_Default = 0;
    bool m_EnableStrValueDisplay = false;
    CString m_StrValueDisplay;
    bool m_SliderOnly = false;
};

// A real number with spin arrows (Type 10).
class AFX_EXT_CLASS CSpinGnrlItemData : public CGnrlGridItemData {
public:
    CSpinGnrlItemData(long id, float defaultValue, float min, float max, float* global, ePropertyType kind,
                      const CString& regKey);
    CSpinGnrlItemData(const CString& caption, float defaultValue, float min, float max, float* global,
                      ePropertyType kind, const CString& regKey);
    CSpinGnrlItemData(const CSpinGnrlItemData&) = default;
    CSpinGnrlItemData& operator=(const CSpinGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    void OnApply() override;
    int IsChanged() override;
    void OnDefault() override;

    void SetSpinDeltaSize(float size) { m_SpinDeltaSize = size; }
    float GetSpinDeltaSize() const { return m_SpinDeltaSize; }
    void SetValue(float value) { m_Value = value; }
    float GetValue() const { return m_Value; }

protected:
    void InitSpin(float defaultValue, float min, float max, float* global, ePropertyType kind);

    float m_Min = 0;
    float m_Max = 0;
    float m_Value = 0;
    float* m_Global = nullptr;
    float m_Default = 0;
    float m_SpinDeltaSize = 1.0f;
};

// A drop-down list of choices (Type 7); StrValue is the chosen text.
class AFX_EXT_CLASS CListGnrlItemData : public CGnrlGridItemData {
public:
    CListGnrlItemData(long id, const CString& value, const CLongStringArray& list, ePropertyType kind);
    CListGnrlItemData(const CListGnrlItemData&) = default;
    CListGnrlItemData& operator=(const CListGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    void OnApply() override;

    void SetList(const CLongStringArray& list) { m_List = list; }
    CLongStringArray& GetList() { return m_List; }
    void SetGlobal(int* global) { m_Global = global; }
    // The text saved for each number (numbers without one are saved as "%d").
    void SetIniFileData(const CLongStringArray& data) { m_IniFileData = data; }
    void SetComboType(int type) { m_ComboType = type; }
    int GetComboType() const { return m_ComboType; }
    long GetLongValue();

protected:
    CLongStringArray m_List;
    int* m_Global = nullptr;
    CLongStringArray m_IniFileData;
    int m_ComboType = 0;
};

// A row whose value area is painted in a colour (no editor).
class AFX_EXT_CLASS CDrawGnrlItemData : public CGnrlGridItemData {
public:
    CDrawGnrlItemData(long id, const CString& value, unsigned long colour);
    CDrawGnrlItemData(const CString& caption, const CString& value, unsigned long colour);
    CDrawGnrlItemData(const CDrawGnrlItemData&) = default;
    CDrawGnrlItemData& operator=(const CDrawGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;

    void SetRectangle(int rectangle) { m_Rectangle = rectangle; }
    COLORREF GetColour() const { return m_Colour; }

protected:
    COLORREF m_Colour;
    int m_Rectangle = 1;
};

// A list of choices shown with a bitmap (Type 8); the row is bound to the current index.
class AFX_EXT_CLASS CListBoxGnrlItemData : public CGnrlGridItemData {
public:
    CListBoxGnrlItemData(long id, int value, const CLongStringArray& list, ePropertyType kind);
    // The copy has no bitmap of its own.
    CListBoxGnrlItemData(const CListBoxGnrlItemData& other);
    CListBoxGnrlItemData& operator=(const CListBoxGnrlItemData&) = delete;
    ~CListBoxGnrlItemData() override;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;

    void SetBitmap(long resourceId);
    void SetValue(int number);
    long GetCurrentIndex() const { return m_CurrentIndex; }
    long GetLongValue();
    CLongStringArray& GetList() { return m_List; }

protected:
    // StrValue = the text at CurrentIndex (the first element's, CurrentIndex 0, when outside).
    void UpdateStrValue();

    CLongStringArray m_List;
    CBitmap* m_Bitmap = nullptr; // owned
    long m_CurrentIndex = -1;
    int m_BitmapCx = 16;
    int m_BitmapCy = 16;
};

// A drop-down of choices, each with an image cut from a bitmap strip (Type 9).
class AFX_EXT_CLASS CListBoxImagesGnrlItemData : public CGnrlGridItemData {
public:
    CListBoxImagesGnrlItemData(long id, int value, const CLongStringArray& list, long bitmapId, CXTPGridEx* grid,
                               ePropertyType kind, bool showValue);
    // The copy has no icon identifiers of its own.
    CListBoxImagesGnrlItemData(const CListBoxImagesGnrlItemData& other);
    CListBoxImagesGnrlItemData& operator=(const CListBoxImagesGnrlItemData&) = delete;
    ~CListBoxImagesGnrlItemData() override;

    void Create(CXTPPropertyGridItem* parent) override;
    void Update(CXTPGridEx* grid, bool byId) override;
    // Only the read-only state: the edit and button flags are the editor's.
    void SetFlags(CXTPPropertyGridItem* item) override;
    using CGnrlGridItemData::SetFlags;

    void SetBitmap(long id);
    // Takes number when it is a choice (true); otherwise false and Value falls back to the default
    // choice, else the first choice, else 0.
    bool SetValue(long number);
    bool IsValueEnable(long number) const;
    long GetValue() const { return m_Value; }
    int GetDefaultValue() const { return m_DefaultValueNumber; }
    void SetDefaultValue(int value) { m_DefaultValueNumber = value; }
    // The image identifier of Value; -1 when Value is not a choice.
    long GetImageId() const;
    const CDbArray<sTwoLong>& GetImages() const { return m_Images; }

protected:
    CDbArray<sTwoLong> m_Images;
    bool m_ShowValue;
    CLongStringArray m_List;
    int m_Value; // an int, since the enum row binds an int (a 32-bit long where this began)
    int m_DefaultValueNumber = 0;
    long m_BitmapId = 0;
    int m_ImageCx = 16;
    int m_ImageCy = 16;
    CXTPGridEx* m_Grid;
    UINT* m_IconIds = nullptr; // owned, one per choice
};

// A push-button row; its press arrives as the grid's in-place-button notification.
class AFX_EXT_CLASS CButtonGnrlItemData : public CGnrlGridItemData {
public:
    CButtonGnrlItemData(long id, ePropertyType kind);
    CButtonGnrlItemData(const CButtonGnrlItemData&) = default;
    CButtonGnrlItemData& operator=(const CButtonGnrlItemData&) = default;

    void Create(CXTPPropertyGridItem* parent) override;
};

MISC_PUBLIC_END
