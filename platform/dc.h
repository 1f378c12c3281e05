#pragma once
// Drawing on a window's client area, at any time. The window keeps what was drawn and shows it
// whenever it paints, until the window is destroyed or the same place is drawn over.
#include "platform/types.h"

class CWnd;

class CClientDC {
public:
    explicit CClientDC(CWnd* wnd) : m_wnd(wnd) {}
    // Fills the rectangle, right and bottom edges excluded, with one colour.
    void FillSolidRect(const CRect& rect, COLORREF color);

private:
    CWnd* m_wnd;
};
