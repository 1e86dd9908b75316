#pragma once
// Public interface of the cut-node editor.
#include <misc/cutnode/cutnode.h>
