#pragma once
// The custom rows of the property grid, by family.
#include "misc/grid/rows_check.h"
#include "misc/grid/rows_combo.h"
#include "misc/grid/rows_drawn.h"
#include "misc/grid/rows_number.h"
#include "misc/grid/rows_slider.h"
#include "misc/grid/rows_types.h"
