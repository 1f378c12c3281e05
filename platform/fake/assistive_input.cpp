#include "platform/fake/assistive_input.h"

#include "platform/widgets/wnd_access.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QString>
#include <QWidget>

namespace {

QAccessibleInterface* Accessible(CWnd& control) {
    QWidget* w = WndAccess::Widget(control);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

QAccessibleEditableTextInterface* EditableText(CWnd& control) {
    QAccessibleInterface* accessible = Accessible(control);
    return accessible ? accessible->editableTextInterface() : nullptr;
}

} // namespace

bool SetTextAccessibly(CWnd& control, const std::string& text) {
    QAccessibleInterface* accessible = Accessible(control);
    if (!accessible || !accessible->editableTextInterface()) {
        return false;
    }
    accessible->setText(QAccessible::Value, QString::fromStdString(text));
    return true;
}

bool InsertTextAccessibly(CWnd& control, int offset, const std::string& text) {
    QAccessibleEditableTextInterface* editable = EditableText(control);
    if (editable) {
        editable->insertText(offset, QString::fromStdString(text));
    }
    return editable != nullptr;
}

bool ReplaceTextAccessibly(CWnd& control, int start, int end, const std::string& text) {
    QAccessibleEditableTextInterface* editable = EditableText(control);
    if (editable) {
        editable->replaceText(start, end, QString::fromStdString(text));
    }
    return editable != nullptr;
}
