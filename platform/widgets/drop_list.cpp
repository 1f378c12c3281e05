#include "platform/widgets/drop_list.h"

void DropListWidget::hidePopup() {
    QComboBox::hidePopup();
    emit closedUp();
}
