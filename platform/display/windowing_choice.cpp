#include "platform/display/windowing_choice.h"

WindowingChoice ChooseWindowing(const WindowingEnvironment& env) {
    if (!env.userChoice.empty()) {
        return {};
    }
    if (env.xServerAnswers) {
        return {"xcb", "", ""};
    }
    if (env.waylandAnswers && env.waylandPlugin) {
        return {"wayland",
                "no X server found, so running on Wayland: the LED-Timer, count-up and 3D-Timer windows "
                "cannot be placed, snapped or kept on top",
                ""};
    }
    if (env.waylandAnswers) {
        return {"", "",
                "no X server found, and Qt's Wayland plugin is not installed (Debian package qt6-wayland); "
                "start XWayland or install it"};
    }
    return {"", "",
            "no display server found (neither an X server nor Wayland); set DISPLAY or WAYLAND_DISPLAY"};
}
