#pragma once
// Public interface of the geometry subsystem. Each class family has its own header under misc/geometry/.
#include <afx.h>
#include <misc/geometry/types.h>
#include <misc/geometry/tf.h>
#include <misc/geometry/matrix.h>
#include <misc/geometry/text.h>
#include <misc/geometry/contour.h>
#include <misc/geometry/worlddc.h>
#include <misc/geometry/textdraw.h>
#include <misc/geometry/winimage.h>
#include <misc/geometry/splitter.h>
