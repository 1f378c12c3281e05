#pragma once
// What a window shows, read back pixel by pixel.
#include "platform/types.h"

class CWnd;

// The colour the window shows at a point of its client area, painted afresh.
COLORREF PixelColor(CWnd& window, CPoint clientPoint);
