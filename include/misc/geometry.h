#pragma once
// Public interface of the geometry subsystem. Each class family has its own header under misc/geometry/.
#include <afx.h>
