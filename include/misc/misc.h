#pragma once
// Everything the library exports.
#include <misc/frame.h>
#include <misc/geometry.h>
#include <misc/grid.h>
#include <misc/data.h>
#include <misc/datadlg.h>
#include <misc/cutnode.h>
#include <misc/services.h>
#include <misc/ui.h>
