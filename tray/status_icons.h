#pragma once
// The tray's status icons of a countdown: a disc that empties in eighths.
#include "platform/types.h"

// The icon of status stage 1 (full disc) to 9 (empty disc); 0 outside that range.
HICON StatusIconForStage(int stage);
