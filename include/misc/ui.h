#pragma once
// Public interface of the ui subsystem. Each class family has its own header under misc/ui/.
#include <afx.h>
#include <misc/ui/bubble.h>
#include <misc/ui/colored.h>
#include <misc/ui/themes.h>
#include <misc/ui/shortcuts.h>
#include <misc/ui/warningpane.h>
#include <misc/ui/layoutreset.h>
