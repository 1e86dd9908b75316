#pragma once
// Public interface of the data subsystem. Each class family has its own header under misc/data/.
#include <afx.h>
