#include "platform/dc.h"

#include "platform/widgets/window_host.h"
#include "platform/widgets/wnd_access.h"
#include "platform/wnd.h"

void CClientDC::FillSolidRect(const CRect& rect, COLORREF color) {
    auto* host = m_wnd ? qobject_cast<WindowHost*>(WndAccess::Widget(*m_wnd)) : nullptr;
    if (!host) {
        return;
    }
    host->Fill(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
               QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                      static_cast<int>((color >> 16) & 0xFF)));
}
