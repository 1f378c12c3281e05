// The display's modes and the mouse pointer's visibility.
#include "platform/messages.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/xrandr_modes.h"

#include <QCursor>
#include <QGuiApplication>

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

int QtDisplayService::ShowCursor(BOOL show) {
    const bool wasShown = m_cursorCount >= 0;
    m_cursorCount += show ? 1 : -1;
    const bool shown = m_cursorCount >= 0;
    if (wasShown && !shown) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    } else if (!wasShown && shown) {
        QGuiApplication::restoreOverrideCursor();
    }
    return m_cursorCount;
}
