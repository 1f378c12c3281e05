#include "platform/fake/accessibility.h"

#include "platform/app.h"
#include "platform/fake/fake_services.h"
#include "platform/widgets/wnd_access.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <cmath>

namespace {

QAccessibleInterface* Interface(CWnd& wnd) {
    QWidget* w = WndAccess::Widget(wnd);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

void Refuse(CWnd& wnd, const std::string& why) {
    if (auto* modal = dynamic_cast<ScriptedModal*>(&WndAccess::App(wnd).GetServices().modal)) {
        modal->failures.push_back("accessible toggle on control " + std::to_string(wnd.GetDlgCtrlID()) +
                                  " refused: " + why);
    }
}

} // namespace

std::string AccessibleName(CWnd& wnd) {
    QAccessibleInterface* iface = Interface(wnd);
    return iface ? iface->text(QAccessible::Name).toStdString() : std::string();
}

std::string AccessibleRole(CWnd& wnd) {
    QAccessibleInterface* iface = Interface(wnd);
    if (!iface) {
        return "none";
    }
    switch (iface->role()) {
    case QAccessible::PushButton:
        return "push button";
    case QAccessible::CheckBox:
        return "check box";
    case QAccessible::RadioButton:
        return "radio button";
    case QAccessible::StaticText:
        return "label";
    case QAccessible::EditableText:
        return "text";
    case QAccessible::SpinBox:
        return "spin button";
    case QAccessible::ComboBox:
        return "combo box";
    case QAccessible::ProgressBar:
        return "progress bar";
    case QAccessible::Dialog:
        return "dialog";
    default:
        return "role " + std::to_string(iface->role());
    }
}

double AccessibleValue(CWnd& wnd) {
    QAccessibleInterface* iface = Interface(wnd);
    QAccessibleValueInterface* value = iface ? iface->valueInterface() : nullptr;
    return value ? value->currentValue().toDouble() : std::nan("");
}

void ToggleThroughAccessibility(CWnd& control) {
    QAccessibleInterface* iface = Interface(control);
    if (!iface) {
        Refuse(control, "no window");
        return;
    }
    QAccessibleActionInterface* actions = iface->actionInterface();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    if (iface->state().invisible) {
        Refuse(control, "not shown");
    } else if (!actions || !actions->actionNames().contains(toggle)) {
        Refuse(control, "no toggle action offered");
    } else {
        actions->doAction(toggle);
    }
}
