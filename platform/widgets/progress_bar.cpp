#include "platform/widgets/progress_bar.h"

#include <QPainter>

ProgressBarWidget::ProgressBarWidget(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
}

void ProgressBarWidget::SetValueWithNextPaint(int value) {
    setUpdatesEnabled(false);
    setValue(value);
    setUpdatesEnabled(true); // schedules the repaint
}

int FilledWidth(int width, int minimum, int maximum, int value) {
    if (maximum <= minimum || value <= minimum) {
        return 0;
    }
    if (value >= maximum) {
        return width;
    }
    return static_cast<int>(static_cast<long long>(width) * (value - minimum) / (maximum - minimum));
}

void ProgressBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect outer = rect();
    // The sunken frame: dark above and to the left, light below and to the right.
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    const QRect trough = outer.adjusted(1, 1, -1, -1);
    painter.fillRect(trough, colours.color(QPalette::Base));

    const QRect inside = trough.adjusted(1, 1, -1, -1);
    const int filled = FilledWidth(inside.width(), minimum(), maximum(), value());
    const int block = qMax(2, inside.height() * 2 / 3);
    constexpr int gap = 2;
    painter.setClipRect(inside.adjusted(0, 0, filled - inside.width(), 0));
    for (int x = inside.left(); x < inside.left() + filled; x += block + gap) {
        painter.fillRect(QRect(x, inside.top(), block, inside.height()), colours.color(QPalette::Highlight));
    }
}
