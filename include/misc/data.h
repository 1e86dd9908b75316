#pragma once
// Public interface of the data subsystem. Each class family has its own header under misc/data/.
#include <afx.h>
#include "misc/data/entity.h"
#include "misc/data/preview.h"
#include "misc/data/readwrite.h"
#include "misc/data/versions.h"
#include "misc/data/combolist.h"
#include "misc/data/materials.h"
#include "misc/data/tools.h"
