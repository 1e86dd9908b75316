#pragma once
// CFontMngr: the fonts of the host applications' screens, views, lists, printouts, panels and bar
// codes, kept in the user profile file as "face, height, weight, italic, charset" strings, with
// built-in defaults (Hebrew or other user interface) for fonts that were never stored.
#include <afx.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CFontMngr {
public:
    CFontMngr(int hebrew = 0);
    void SetHeb(bool hebrew);
    CFontMngr& operator=(const CFontMngr& other);

    // Clears the record's minor fields, then GetDefault.
    void InitFont(const CString& key, LOGFONT& font);
    // Weight 400, no italics, character set 1, and the face and height of `key` (exact match);
    // an unknown key keeps the face and height in the record.
    void GetDefault(const CString& key, LOGFONT& font);
    // The stored font of section/key; the default when nothing is stored; unchanged when the
    // stored text has no comma.
    void ReadFont(const CString& section, const CString& key, LOGFONT& font);
    // Stores the font as "%s, %d, %d, %d, %d" (face, height, weight, italic, character set).
    void WriteFont(const CString& section, const LOGFONT& font, const CString& key);

    int m_hebrew;
};

MISC_PUBLIC_END
