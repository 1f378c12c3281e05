// The work area, the mouse pointer, the display's modes and the pointer's visibility.
#include "platform/display/display_service.h"
#include "platform/display/xrandr_modes.h"
#include "platform/messages.h"
#include "platform/tray/tray_host_pointer.h"
#include "platform/widgets/frame_window.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QtDisplayService::QtDisplayService() = default;

QtDisplayService::~QtDisplayService() = default;

CRect QtDisplayService::WorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return CRect{0, 0, 640, 480};
    }
    const QRect r = screen->availableGeometry();
    return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

CPoint QtDisplayService::CursorPos() {
    const QPoint p = TrayHostPointer().value_or(QCursor::pos());
    return CPoint{p.x(), p.y()};
}

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
