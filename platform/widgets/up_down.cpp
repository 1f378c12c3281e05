#include "platform/widgets/up_down.h"

#include "platform/widgets/accessible_up_down.h"

#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

UpDownWidget::UpDownWidget(QWidget* parent, LineEdit* buddy)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    if (m_buddy) {
        m_buddy->installEventFilter(this);
    }
    InstallUpDownAccessibility();
}

int UpDownWidget::Position() const {
    return m_buddy ? m_buddy->text().toInt() : 0;
}

void UpDownWidget::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
}

void UpDownWidget::Step(int delta) {
    if (!m_buddy) {
        return;
    }
    bool ok = false;
    int pos = m_buddy->text().toInt(&ok);
    const int lo = std::min(m_lower, m_upper);
    const int hi = std::max(m_lower, m_upper);
    // Wider than int: a stored INT_MAX stepped up is still above the range, not below it.
    pos = ok ? static_cast<int>(std::clamp<long long>(static_cast<long long>(pos) + delta, lo, hi)) : lo;
    m_buddy->SetTextAsProgram(QString::number(pos));
}

bool UpDownWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_buddy && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
