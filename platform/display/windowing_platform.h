#pragma once
// Which windowing platform Qt is to use: the X server when one answers, else Wayland.
#include <string>

// Sets QT_QPA_PLATFORM as chosen and says what the user should know. Returns an error text
// when no display can be reached.
std::string ChooseWindowingPlatform();
