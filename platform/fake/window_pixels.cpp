#include "platform/fake/window_pixels.h"

#include "platform/widgets/wnd_access.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

COLORREF PixelColor(CWnd& window, CPoint clientPoint) {
    QPixmap shot = WndAccess::Widget(window)->grab();
    shot.setDevicePixelRatio(1.0);
    const QColor c = shot.toImage().pixelColor(clientPoint.x, clientPoint.y);
    return RGB(c.red(), c.green(), c.blue());
}
