#pragma once
// Small kernel functions every layer uses.
#include "win32/types.h"

// (a * b) / c with 64-bit intermediate, rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The calling thread's last error code.
DWORD GetLastError();
void SetLastError(DWORD code);

// Milliseconds since an arbitrary start (the platform's virtual clock when one is driven).
DWORD GetTickCount();
void GetLocalTime(LPSYSTEMTIME time);
void GetSystemTime(LPSYSTEMTIME time);
