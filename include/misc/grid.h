#pragma once
// Public interface of the grid subsystem. Each class family has its own header under misc/grid/.
#include <afx.h>
#include "misc/grid/types.h"
#include "misc/grid/model.h"
#include "misc/grid/items.h"
#include "misc/grid/managers.h"
#include "misc/grid/gridwnd.h"
#include "misc/grid/rows.h"
#include "misc/grid/colorfile.h"
#include "misc/grid/propertydlg.h"
