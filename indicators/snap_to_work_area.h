#pragma once
// The snapping rule of the LED-Timer and count-up windows.
#include "platform/types.h"

class CWnd;

// Within 20 pixels of the screen's top, the window moves up to it; near the work area's
// bottom, and near its right edge or the screen's left, it moves into that bottom corner.
// Anywhere else it stays. Size and topmost are kept. True when the window was moved.
bool SnapToWorkArea(CWnd& wnd, const CRect& workArea);

// Capture changes come in pairs, and the second of each ends a drag by the caption. Toggles
// armed; true on the second change of a pair.
bool CaptureEndsDrag(bool& armed);
