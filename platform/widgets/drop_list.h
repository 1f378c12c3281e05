#pragma once
#include <QComboBox>

// A drop-down list that reports when its list closes.
class DropListWidget : public QComboBox {
    Q_OBJECT
public:
    explicit DropListWidget(QWidget* parent) : QComboBox(parent) {}
    void hidePopup() override;
signals:
    void closedUp();
};
