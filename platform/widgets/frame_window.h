#pragma once
// The widget of a window made with CWnd::CreateEx: a top-level window with a white background
// whose size, keys, paints, pointer moves and close requests go to the window's handlers.
#include "platform/types.h"

#include <QElapsedTimer>
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class CWnd;

class FrameWindow : public QWidget {
    Q_OBJECT
public:
    explicit FrameWindow(CWnd& owner);
    // The window's kind and frame from WS_ and WS_EX_ styles; a shown window is hidden by it
    // until it is placed again.
    void SetStyles(DWORD style, DWORD exStyle);
    // Places the whole window, frame included, at a rectangle of the screen, shown or hidden.
    void Place(const CRect& rect, bool visible);
    // The whole window on the screen, frame included, as the window system has it now.
    CRect WholeRect() const;
    // A widget that fills the client area and paints it itself, such as an OpenGL surface.
    void SetSurface(QWidget* surface);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Fits the client area into the whole rectangle asked for, once the frame around it is known.
    void FitToFrame();
    QRect ClientRect(const QMargins& frame) const;

    CWnd& m_owner;
    QPointer<QWidget> m_surface;
    QPoint m_wholeCorner;      // top-left corner asked for, of the frame
    QSize m_wholeSize;         // size asked for, frame included
    bool m_fitPending = false; // the window manager may not have framed the window yet
    QElapsedTimer m_settling;  // since the last placement
};
