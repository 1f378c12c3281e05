#pragma once
// The screen's work area, the mouse pointer, and the display's modes.
#include "platform/services.h"

#include <memory>

class XRandrModes;

class QtDisplayService : public DisplayService {
public:
    QtDisplayService();
    ~QtDisplayService() override; // changes the display mode back
    CRect WorkArea() override;
    CPoint CursorPos() override;
    // Modes come from XRandR on an X server; elsewhere the display offers none.
    bool EnumDisplaySettings(DWORD index, DEVMODE& mode) override;
    int ChangeDisplaySettings(const DEVMODE* mode) override;
    int ShowCursor(BOOL show) override;

private:
    XRandrModes* Modes();
    std::unique_ptr<XRandrModes> m_modes;
    bool m_modesTried = false;
    int m_cursorCount = 0;
};
