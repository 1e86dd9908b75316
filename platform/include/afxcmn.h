#pragma once
// Kept for the familiar include name; everything lives in afxwin.h.
#include <afxwin.h>
