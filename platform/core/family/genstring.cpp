// CGenString is header-only; this unit checks that the header stands on its own.
#include "family/genstring.h"
