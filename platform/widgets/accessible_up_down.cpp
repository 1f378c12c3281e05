#include "platform/widgets/accessible_up_down.h"

#include "platform/widgets/up_down.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

class AccessibleUpDown : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleUpDown(UpDownWidget* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return UpDown()->Position(); }
    void setCurrentValue(const QVariant& value) override {
        if (widget()->isEnabled()) {
            UpDown()->Step(value.toInt() - UpDown()->Position());
        }
    }
    QVariant minimumValue() const override { return std::min(UpDown()->Lower(), UpDown()->Upper()); }
    QVariant maximumValue() const override { return std::max(UpDown()->Lower(), UpDown()->Upper()); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        if (!widget()->isEnabled()) {
            return {};
        }
        return {increaseAction(), decreaseAction()};
    }
    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) {
            return;
        }
        if (name == increaseAction()) {
            UpDown()->Step(1);
        } else if (name == decreaseAction()) {
            UpDown()->Step(-1);
        }
    }

private:
    UpDownWidget* UpDown() const { return static_cast<UpDownWidget*>(widget()); }
};

QAccessibleInterface* UpDownFactory(const QString& className, QObject* object) {
    auto* upDown = qobject_cast<UpDownWidget*>(object);
    return upDown && className == QLatin1String("UpDownWidget") ? new AccessibleUpDown(upDown) : nullptr;
}

} // namespace

void InstallUpDownAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(UpDownFactory);
        return true;
    }();
    (void)installed;
}
