#pragma once
// The tray's status icons of a countdown: a disc that empties in eighths.
#include "platform/types.h"

// The icon of status stage 1 (full disc) to 9 (empty disc); 0 outside that range.
HICON StatusIconForStage(int stage);

// Whether a countdown showing the given stage passes to the next one when its tick count
// reaches ticks of totalTicks.
bool StatusIconStepsAt(int stage, int ticks, int totalTicks);
