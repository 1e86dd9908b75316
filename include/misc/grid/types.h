#pragma once
// Enumerations shared by the grid framework's data model, typed items and custom rows.
#include <afx.h>

#include "misc/grid/rows_types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The host's kind of property (a location, a radius, a tool number, ...). The framework only
// stores and compares it; -1 means no kind.
enum ePropertyType : int { ePropertyNone = -1 };

// The editor kind of a grid item. Values with no special handling may still be stored.
enum eXTPGridItemType : int {
    eGridItemNone = -1,       // a drawn item or a button
    eGridItemText = 0,        // plain text
    eGridItemInteger = 2,     // whole number
    eGridItemCheckBox = 4,    // check box
    eGridItemSlider = 5,      // slider
    eGridItemNumber = 6,      // real number with a unit
    eGridItemList = 7,        // drop-down list
    eGridItemListBox = 8,     // list box
    eGridItemListImages = 9,  // list box with images
    eGridItemSpin = 10,       // spin
};

MISC_PUBLIC_END
