#pragma once
// MFC's standard dialogs; CDialog and CFileDialog live in afxwin.h.
#include <afxwin.h>
#include "mfc/propsheet.h"
