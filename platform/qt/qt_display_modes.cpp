// The display's modes and the mouse pointer's visibility.
#include "platform/messages.h"
#include "platform/qt/frame_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/xrandr_modes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

QtDisplayService::QtDisplayService() = default;

QtDisplayService::~QtDisplayService() = default;

// Only an X server lets a program change its modes; Wayland and the rest offer none.
XRandrModes* QtDisplayService::Modes() {
    if (!m_modesTried) {
        m_modesTried = true;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            m_modes = XRandrModes::Open();
        }
    }
    return m_modes.get();
}

bool QtDisplayService::EnumDisplaySettings(DWORD index, DEVMODE& mode) {
    XRandrModes* modes = Modes();
    return modes && modes->Mode(index, mode);
}

int QtDisplayService::ChangeDisplaySettings(const DEVMODE* mode) {
    XRandrModes* modes = Modes();
    if (!mode) {
        return modes ? modes->Restore() : DISP_CHANGE_SUCCESSFUL;
    }
    return modes ? modes->Change(*mode) : DISP_CHANGE_BADMODE;
}

// The pointer hides over the windows made with CWnd::CreateEx (the 3D-Timer), never over the
// dialogs and boxes beside them.
int QtDisplayService::ShowCursor(BOOL show) {
    const bool wasShown = m_cursorCount >= 0;
    m_cursorCount += show ? 1 : -1;
    const bool shown = m_cursorCount >= 0;
    if (wasShown != shown) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrameWindow*>(window)) {
                shown ? window->unsetCursor() : window->setCursor(Qt::BlankCursor);
            }
        }
    }
    return m_cursorCount;
}
