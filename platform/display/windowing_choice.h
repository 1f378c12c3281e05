#pragma once
// Which of Qt's windowing platforms the program starts on. Its windows live by their screen
// positions (placed, snapped, kept on top), which only X allows: an X server, XWayland too, is
// taken whenever one answers; native Wayland only where there is none.
#include <string>

// What the session offers, as found before the application object is made.
struct WindowingEnvironment {
    std::string userChoice;      // QT_QPA_PLATFORM as the user set it; empty when not set
    bool xServerAnswers = false; // DISPLAY names an X server that takes a connection
    bool waylandAnswers = false; // WAYLAND_DISPLAY names a compositor that takes a connection
    bool waylandPlugin = false;  // Qt's Wayland platform plugin is installed
};

struct WindowingChoice {
    std::string platform; // for QT_QPA_PLATFORM; empty: leave it as it is
    std::string notice;   // one line for standard error, or empty
    std::string error;    // no display to show windows on: one line, and the program ends
};

WindowingChoice ChooseWindowing(const WindowingEnvironment& env);
