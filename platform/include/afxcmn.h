#pragma once
// MFC's common controls; the older ones live in afxwin.h.
#include <afxwin.h>
#include "mfc/commctl.h"
