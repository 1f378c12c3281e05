#pragma once
// How the desktop treats a top-level window, read from the window itself.
class CWnd;

struct WindowKind {
    bool topmost = false;       // stays above the other windows
    bool taskBarButton = false; // shows in the task bar
    bool caption = false;       // framed, with a title bar
    bool maximizeBox = false;
    bool closeBox = false;
};

WindowKind KindOf(const CWnd& wnd);
