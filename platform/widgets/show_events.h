#pragma once
// Shows and hides of a window's widget, by the program or by the desktop, reach the window's
// OnShowWindow.
class CWnd;
class QWidget;

void ForwardShowEvents(QWidget& widget, CWnd& wnd);
