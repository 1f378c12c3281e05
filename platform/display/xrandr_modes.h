#pragma once
// The modes of an X server's primary output through XRandR 1.2: listed, changed for this
// session, and changed back, at the latest when this object goes.
#include "platform/services.h"

#include <memory>
#include <vector>

class XRandrModes {
public:
    // Null when the X server named by DISPLAY cannot be reached or has no XRandR 1.2, or when
    // libXrandr is missing.
    static std::unique_ptr<XRandrModes> Open();
    ~XRandrModes();
    XRandrModes(const XRandrModes&) = delete;
    XRandrModes& operator=(const XRandrModes&) = delete;

    // The output's modes, read afresh at index 0; every one has the screen's colour depth.
    bool Mode(DWORD index, DEVMODE& mode);
    // A DISP_CHANGE_ result; the first change remembers the mode to go back to.
    int Change(const DEVMODE& mode);
    int Restore();

private:
    struct Connection;
    explicit XRandrModes(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> m_x;
    std::vector<DEVMODE> m_listed;
};
