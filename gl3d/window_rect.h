#pragma once
// Where the 3D-Timer window stands in windowed mode: the rectangle kept in the settings record
// (screen coordinates of the whole window, frame included), made fit to show on the screen.
#include "platform/types.h"

// The smallest side the window opens with: a window of no size could not be seen, let alone grabbed.
constexpr int kMinWindowSide = 64;

// The stored rectangle as the window opens at it: each side at least kMinWindowSide and at most
// the work area's, and moved into the work area when none of it would show there. Stored values
// of any size, order or sign are taken without overflow.
CRect PlaceableWindowRect(const CRect& stored, const CRect& workArea);
