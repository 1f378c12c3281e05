#pragma once
// What an X11 window manager does with a window the program has just shown and placed.
#include <functional>

class CWnd;

// The window manager maps the window at a place of its own choosing, (x, y), before it honours
// the place the program asked for; it reports each move after it has made it. meanwhile runs
// between the two, as for a busy window manager.
void MapElsewhereFirst(CWnd& window, int x, int y, const std::function<void()>& meanwhile = {});
