#pragma once
// libXrandr, opened the first time a display mode is asked for: only the 3D-Timer's full screen
// changes one, and a program waiting in the tray need not carry the library.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

struct XRandrLibrary {
    decltype(&::XRRQueryExtension) QueryExtension;
    decltype(&::XRRQueryVersion) QueryVersion;
    decltype(&::XRRGetScreenResourcesCurrent) GetScreenResourcesCurrent;
    decltype(&::XRRFreeScreenResources) FreeScreenResources;
    decltype(&::XRRGetOutputInfo) GetOutputInfo;
    decltype(&::XRRFreeOutputInfo) FreeOutputInfo;
    decltype(&::XRRGetCrtcInfo) GetCrtcInfo;
    decltype(&::XRRFreeCrtcInfo) FreeCrtcInfo;
    decltype(&::XRRGetOutputPrimary) GetOutputPrimary;
    decltype(&::XRRSetCrtcConfig) SetCrtcConfig;
};

// The library's entry points, loaded once and kept for the process; null when it cannot be
// loaded, which leaves the display modes as they are.
const XRandrLibrary* XRandr();
