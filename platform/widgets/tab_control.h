#pragma once
#include <QFrame>
#include <QWidget>

class QTabBar;

// The tab control: a row of tabs above a panel; pages lie over the panel as siblings.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent);
    QTabBar* Bar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_bar;
    QFrame* m_panel;
};
