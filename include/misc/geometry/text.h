#pragma once
// Text, colour and font-file utilities used around plotting and the drawing of piece labels.
//
// Strings are single-byte; characters at or above 128 count as right-to-left letters. Colours are
// COLORREF values 0x00BBGGRR.
#include <afx.h>
#include <family/genstring.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Text layers. Numbers below 100 are plain layer numbers; named layers are numbered from 100 to
// 32767, their names (at most 31 characters) kept in the section "Layers" of the user profile file
// under the layer's number, with the highest number in use under "LastLayerNum".
//
// True when s is a plain integer: blanks, an optional sign, at most nine digits after leading
// zeros, up to the first blank or the end.
bool test_int_layer(const char* s);
// The layer number of a number or a name: a plain integer is its own number; a name (trimmed,
// cut to 31 characters) is looked up ignoring case (a different case is stored as the new
// spelling) or stored under the next free number. -1 for an empty text, and for a new name when
// all numbers up to 32767 are taken.
short check_text_layer(const char* s);
// The text of a layer: mode 0 or 1 the name of a named layer (else the number), mode 2 the number
// (|layer| mod 256) + 1, any other mode the number |layer|. buf holds at least 32 bytes.
char* get_text_layer(char* buf, int layer, int mode);
CString& get_text_layer(CString& s, int layer, int mode);

// Right-to-left reordering for plotters that cannot lay out bidirectional text: when forced or
// when the "BDPlot" switch of the section "Hebrew" is on, a text with characters at or above 128
// is reversed, and its left-to-right runs (numbers, Latin words) are turned back.
char* filter_text(char* s, int force);
CGenString& filter_text(CGenString& s, int force);

// Removes a leading run of digits, '-' and blanks that is shorter than the text.
bool delNumericPrefix(CString& s);

// Bar codes: at least three characters between '*' and '*', or '!' and '!'.
int bIsBarCode(const char* s);
// Strips the bar-code marks (when strip is set and s is a bar code), then makes s upper case.
CGenString& filterBarCode(CGenString& s, int strip);
CString& filterBarCode(CString& s, int strip);

// Multi-line text: lines are cut at CR and LF; an empty piece that starts at a CR counts as a
// blank line when a non-empty line follows. Both out-parameters may be null.
int getMultiLineTextSize(const char* text, int* maxLen, int* lines);
// Also the first longest line.
int getMultiLineTextSizeAndMaxLine(const char* text, CString& longest, int* maxLen, int* lines);
// An estimate without a device: cx = |fontHeight| * longest * 3 / 5, cy = |fontHeight| * lines.
int getMultiLineTextRect(SIZE* out, int fontHeight, const char* text);
int getMultiLineTextRect(CSize& out, int fontHeight, const char* text);

// Colours.
// 30·ΔR² + 59·ΔG² + 11·ΔB² (Δ = b − a): a luminance-weighted squared distance.
int getNewColorDiffernce(COLORREF a, COLORREF b);
// That distance is at least 50000 (low) or 1440000.
int isNewContrast(COLORREF a, COLORREF b, int low);
// |ΔR| + |ΔG| + |ΔB|.
int geColorDiffernce(COLORREF a, COLORREF b);
// That sum is at least 90 (low) or 288.
int isContrast(COLORREF a, COLORREF b, int low);
// Mode 1 weighted, 2 sum (low), 3 weighted (low), any other sum.
int okContrast(COLORREF c, COLORREF background, int mode);
// c when it contrasts with the background in the mode, else c moved until it does.
COLORREF getColorContrast(COLORREF c, COLORREF background, int mode);
// A random colour (the C library's rand()) that contrasts with the background.
COLORREF getRandomColor(COLORREF background, int mode);
// Towards black or white by amount/255 (0 unchanged, 255 black or white).
COLORREF DarkenColor(long amount, COLORREF c);
COLORREF LightenColor(long amount, COLORREF c);

// The TrueType file of a face: the folder of the environment variable "windir" (the platform's
// Windows folder when it is not set), "/Fonts/", and a file chosen by the face name.
void GetFontFile(const LOGFONTA& font, CString& path);

// The product's notice text (string 60375 of the resource module). The char* form copies at most
// size - 1 characters and a NUL.
void Copyright(CString& s);
void Copyright(char* buf, int size = 256);

MISC_PUBLIC_END
