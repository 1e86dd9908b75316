#pragma once
// Reading a list file in one pass, without the archive's object machinery.
#include <afx.h>

#include "misc/data/combolist.h"

namespace combolist_detail {

// Reads the form every writer of lists produces (a count, the item class record once, then the
// class reference, 8-bit strings) from the start of `file` into `list`, which must be empty.
// Anything else - damage, 16-bit strings, another class or schema, object references, a string
// longer than the read buffer - answers false and leaves the list empty, for the archive to read
// with its full rules. Trailing bytes are ignored, as the archive ignores them.
bool ReadPlainList(CFile& file, CComboItemList& list);

} // namespace combolist_detail
