#pragma once
#include "platform/widgets/edits.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

// An up-down control: two arrows that step an integer written into the buddy edit.
class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    UpDownWidget(QWidget* parent, LineEdit* buddy);
    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // The number in the buddy edit, 0 when it holds none.
    int Position() const;
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<LineEdit> m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_lower = 0;
    int m_upper = 100;
};
