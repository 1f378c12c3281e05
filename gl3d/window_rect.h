#pragma once
// Where the 3D-Timer window stands in windowed mode: the rectangle kept in the settings record,
// and that rectangle made fit to show on the screen.
#include "platform/types.h"

// The four values of the settings record that hold the window's rectangle: screen coordinates of
// the whole window, frame included.
struct WindowRectFields {
    int* left;
    int* top;
    int* right;
    int* bottom;
    CRect Get() const { return CRect{*left, *top, *right, *bottom}; }
    void Set(const CRect& rect) const {
        *left = rect.left;
        *top = rect.top;
        *right = rect.right;
        *bottom = rect.bottom;
    }
};

// The smallest side the window opens with: a window of no size could not be seen, let alone grabbed.
constexpr int kMinWindowSide = 64;

// The stored rectangle as the window opens at it: each side at least kMinWindowSide and at most
// the work area's, and moved into the work area when none of it would show there. Stored values
// of any size, order or sign are taken without overflow.
CRect PlaceableWindowRect(const CRect& stored, const CRect& workArea);
