#pragma once
// The widget behind a dialog or frame window, and what it passes on to the window.
#include "platform/types.h"

#include <QColor>
#include <QDialog>

#include <optional>
#include <vector>

class CWnd;
class TimerService;

// The window timer the layer keeps for itself on every window; no timer of the program has its id.
constexpr UINT_PTR kMoveSettledTimer = ~UINT_PTR{0};

// A dialog's own window: top-level (popup) or child (a page inside another dialog).
class WindowHost : public QDialog {
    Q_OBJECT
public:
    WindowHost(CWnd& owner, QWidget* parent, bool child);
    // The program puts the window with its frame's top-left corner at place (or shows it). The
    // window system reports the move only later, and that report is no move of the user's.
    void ExpectPlacement(const QPoint& place);
    // Moves have stopped for a while (timer kMoveSettledTimer).
    void MovesSettled();
    // Fills a rectangle of the client area; it stays shown until the window is destroyed or
    // filled over.
    void Fill(const QRect& rect, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Filled {
        QRect rect;
        QColor color;
    };
    TimerService& Timers() const;
    CWnd& m_owner;
    std::optional<QPoint> m_placement; // where the program last put the window, until the user moves it
    bool m_placing = false;            // the window system has not reported that placement yet
    bool m_painting = false;
    std::vector<Filled> m_filled;
};
