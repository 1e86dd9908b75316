#pragma once
// The family dialogs library's unit texts, digit normaliser, rounding and file check.
//
// Unit codes (the same for lengths and areas):
//   0 millimetre "mm", 1 centimetre "cm", 2 metre "m", 3 inch "in", 4 foot "ft", 5 yard "yd",
//   6 decimetre "dm".
// Area texts are "sq " and the length text ("sq cm"). Angle codes: 0 degree "deg", 1 radian
// "rad", 2 grad "grad". Time codes: 0 second "s", 1 minute "min", 2 hour "h", 3 millisecond
// "ms". The percentage text is "%". With `fullName` the lengths and times give the plural name
// instead ("millimetres", "inches", "minutes"). An unknown code gives an empty text.
#include "mfc/string.h"
#include "family/dbarray.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

void getLinearUnitString(int unit, CString& out, bool fullName = false);
void getSquareUnitString(int unit, CString& out);
void getAngleUnitString(int unit, CString& out);
void getTimeUnitString(int unit, CString& out, bool fullName = false);
void getPercentageUnitString(CString& out);

// Normalises typed text into a number string: keeps a leading minus sign, the decimal digits,
// the first decimal point ('.' or ',' read as '.'), '/' (fractions of inches) and every character
// listed in `extra`;
// drops everything else (blanks, unit texts, further points). `unit` is the unit code of the
// text; it does not change the rules.
void BuildDigitString(CString& text, int unit, const CDbArray<int>& extra);

// The nearest integer, halves away from zero; values beyond the int range give its ends, NaN 0.
int roundReal(const double& value);

// Non-zero when the file may be read (forWriting 0: an existing, readable regular file) or
// written (1: an existing writable regular file, or a missing file in an existing writable
// folder). '\' in the path reads as '/'.
int IsFileValid(const CString& path, int forWriting);

MISC_PUBLIC_END
