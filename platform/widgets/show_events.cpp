#include "platform/widgets/show_events.h"

#include "platform/widgets/wnd_access.h"

#include <QEvent>

namespace {

class ShowEventForwarder : public QObject {
public:
    ShowEventForwarder(QWidget& widget, CWnd& wnd) : QObject(&widget), m_wnd(wnd) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shown = event->type() == QEvent::Show;
        // A window being destroyed no longer owns its widget and hears nothing of it.
        if ((shown || event->type() == QEvent::Hide) && WndAccess::Widget(m_wnd) == watched) {
            WndAccess::Shown(m_wnd, shown);
        }
        return false;
    }

private:
    CWnd& m_wnd;
};

} // namespace

void ForwardShowEvents(QWidget& widget, CWnd& wnd) {
    widget.installEventFilter(new ShowEventForwarder(widget, wnd));
}
