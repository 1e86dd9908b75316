#pragma once
// A grid row holding a real number with its unit ("12.50 mm"), and the in-place edit that lets
// only number characters through.
#include <afxwin.h>

#include "family/dbarray.h"
#include "misc/grid/rows_types.h"
#include "toolkit/propertygrid.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CItemNumberWithUnitEdit : public CXTPPropertyGridInplaceEdit {
    DECLARE_DYNAMIC(CItemNumberWithUnitEdit)
public:
    CItemNumberWithUnitEdit() = default;

    // 1 (the default): a decimal point or "/" may be typed; 0: whole numbers only.
    void SetDouble(int allow) { m_Double = allow; }
    int GetDouble() const { return m_Double; }
    // Further characters accepted as typed (a minus sign, for example).
    void SetAdditionLegalChar(const CDbArray<int>& chars) { m_AdditionLegalChar = chars; }
    const CDbArray<int>& GetAdditionLegalChar() const { return m_AdditionLegalChar; }

    // Digits; "." and "/" when decimals are allowed; backspace and carriage return; the further
    // characters.
    bool IsCharLegal(char c) const;

protected:
    DECLARE_MESSAGE_MAP()
    // A character that is not legal is refused with a beep; a legal one goes to the edit.
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);

    int m_Double = 1;
    CDbArray<int> m_AdditionLegalChar;
};

class CItemNumberWithUnit : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CItemNumberWithUnit)
public:
    // The row shows value followed by the unit text; with `number`, edits are stored there.
    // With bind, the bound string receives the shown text and follows later edits.
    CItemNumberWithUnit(const CString& caption, const CString& value, CString* bind, int unit, eUnitType type,
                        double* number);
    CItemNumberWithUnit(UINT id, const CString& value, CString* bind, int unit, eUnitType type);

    // The unit code: sets the unit text by the unit type (empty for unit -1 or an unknown type).
    void SetUnit(int unit);
    // A unit text of one's own; the unit code becomes 2.
    void SetUnit(const CString& text);
    int GetUnit() const { return m_Unit; }
    CString GetUnitText() const { return m_strUnit; }
    void SetUnitType(eUnitType type) { m_UnitType = type; }
    eUnitType GetUnitType() const { return m_UnitType; }
    void SetDouble(int allow) { m_edit.SetDouble(allow); }
    void SetPreventZero(int prevent) { m_PreventZero = prevent; }
    int GetPreventZero() const { return m_PreventZero; }
    void SetAdditionLegalChar(const CDbArray<int>& chars) { m_edit.SetAdditionLegalChar(chars); }
    double* GetNumberPtr() const { return m_pNumber; }

    // The value text becomes "<number> <unit>" (the old unit cut off); without a unit text the
    // value text is normalised into a number.
    void AddStrUnit();
    // Normalises typed text into a number string, keeping the further legal characters.
    void BuildNumber(CString& text);
    // Shows the bound number again ("%0.2f", percentages times 100) with its unit.
    virtual void Update();
    // Reads the value text's number into `out`; 0 when the text is empty.
    int StringToFloat(double& out);

    void OnValueChanged(CString value) override;
    CXTPPropertyGridInplaceEdit& GetInplaceEdit() override;

protected:
    // The value text of the row as it is kept between edits (SetValue stores it too).
    CString ValueText() const { return m_strValue; }
    void SetValueText(const CString& text);

    CItemNumberWithUnitEdit m_edit;
    CString m_strUnit;
    int m_Unit = -1;
    eUnitType m_UnitType = UNIT_TYPE_NONE;
    double* m_pNumber = nullptr;
    int m_PreventZero = 0; // kept for the host
};

MISC_PUBLIC_END
