#pragma once
// Public interface of the grid subsystem. Each class family has its own header under misc/grid/.
#include <afx.h>
#include "misc/grid/rows.h"
