#include "platform/widgets/tab_control.h"

#include <QProxyStyle>
#include <QTabBar>

namespace {
constexpr int kTabSpace = 12; // pixels beside a tab's text, both sides together

// Tabs with little room beside their text, so that all five fit the dialog's width in one row.
// A style sheet would do the same at the cost of a whole second style engine.
class NarrowTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? kTabSpace : QProxyStyle::pixelMetric(metric, option, widget);
    }
};
} // namespace

TabControlWidget::TabControlWidget(QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_panel(new QFrame(this)) {
    auto* style = new NarrowTabStyle;
    style->setParent(m_bar);
    m_bar->setStyle(style);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_panel->lower();
}

void TabControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barHeight = m_bar->sizeHint().height();
    m_bar->setGeometry(2, 0, width() - 4, barHeight);
    m_panel->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
}
