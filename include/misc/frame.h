#pragma once
// Public interface of the frame subsystem. Each class family has its own header under misc/frame/.
#include <afx.h>
#include "misc/frame/startup.h"
#include "misc/frame/profile.h"
