#pragma once
// Public interface of the services subsystem. Each class family has its own header under misc/services/.
#include <afx.h>
#include "misc/services/logfile.h"
#include "misc/services/fontmngr.h"
#include "misc/services/websupport.h"
#include "misc/services/netshare.h"
#include "misc/services/emailsupport.h"
