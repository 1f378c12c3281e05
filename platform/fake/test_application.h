#pragma once
// The process frame of the tests: a real Qt application on the offscreen platform, with a
// private runtime and configuration folder.
#include <functional>

int RunWithTestApplication(int& argc, char** argv, const std::function<int()>& run);
