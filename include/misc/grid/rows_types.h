#pragma once
// The unit kinds a number row shows its value in.
#include "misc_export.h"
MISC_PUBLIC_BEGIN

// How a number's unit text is chosen (with the row's unit code): -1 no unit, 0 a length, 1 an
// area, 2 an angle, 3 a fixed text (pieces), 4 a time, 5 a percentage.
enum eUnitType {
    UNIT_TYPE_NONE = -1,
    UNIT_TYPE_LINEAR = 0,
    UNIT_TYPE_AREA = 1,
    UNIT_TYPE_ANGLE = 2,
    UNIT_TYPE_FIXED = 3,
    UNIT_TYPE_TIME = 4,
    UNIT_TYPE_PERCENT = 5,
};

MISC_PUBLIC_END
