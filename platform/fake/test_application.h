#pragma once
// The process frame of the tests: a real Qt application on the offscreen platform, with a
// private runtime and configuration folder.
#include <functional>

int RunWithTestApplication(int& argc, char** argv, const std::function<int()>& run);

// Deletes the widgets of windows destroyed so far, as the event loop would once it runs again.
void ProcessDeferredDeletes();

// Widgets alive now, after the deletes the event loop would do.
int LiveWidgetCount();

// Delivers what the window system has reported so far (moves, exposures), as the event loop
// would once it runs again.
void DeliverWindowSystemEvents();
