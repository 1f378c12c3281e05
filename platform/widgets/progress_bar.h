#pragma once
// The progress bar control, drawn plainly in the palette's colours: a sunken trough that fills
// from the left with blocks of the highlight colour. The desktop style's bar, repainted every
// second of a countdown, would start painting threads and draw gradients for it.
#include <QProgressBar>

class ProgressBarWidget : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBarWidget(QWidget* parent);
    // Takes the value and repaints with the window's next paint, in the same pass of the event
    // loop: QProgressBar would paint and send the picture to the display at once, apart from
    // whatever else changes with it.
    void SetValueWithNextPaint(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// How much of a bar of the given width is filled at value, in whole pixels.
int FilledWidth(int width, int minimum, int maximum, int value);
