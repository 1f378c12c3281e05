#include "platform/widgets/status_bar.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

StatusBarWidget::StatusBarWidget(QWidget* parent) : QWidget(parent) {
    parent->installEventFilter(this);
    setFixedHeight(QFontMetrics(font()).height() + 8);
}

void StatusBarWidget::SetParts(const std::vector<int>& rightEdges) {
    for (QLabel* label : m_parts) {
        delete label;
    }
    m_parts.clear();
    m_edges = rightEdges;
    for (size_t i = 0; i < m_edges.size(); ++i) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->show();
        m_parts.push_back(label);
    }
    Layout();
}

void StatusBarWidget::SetText(int part, const QString& text) {
    if (part >= 0 && part < static_cast<int>(m_parts.size())) {
        m_parts[static_cast<size_t>(part)]->setText(text);
    }
}

QString StatusBarWidget::Text(int part) const {
    if (part >= 0 && part < static_cast<int>(m_parts.size())) {
        return m_parts[static_cast<size_t>(part)]->text();
    }
    return {};
}

void StatusBarWidget::PlaceAtBottom() {
    const QWidget* parent = parentWidget();
    setGeometry(0, parent->height() - height(), parent->width(), height());
}

void StatusBarWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

bool StatusBarWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        PlaceAtBottom();
    }
    return QWidget::eventFilter(watched, event);
}

void StatusBarWidget::Layout() {
    int left = 0;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const int right = m_edges[i] < 0 ? width() : std::min(m_edges[i], width());
        m_parts[i]->setGeometry(left, 1, std::max(0, right - left - 2), height() - 2);
        left = right;
    }
}
