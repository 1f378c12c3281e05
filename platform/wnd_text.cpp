// A window's text: its title, or what its control shows.
#include "platform/wnd.h"

#include "platform/widgets/dialog_controls.h"
#include "platform/widgets/edits.h"
#include "platform/widgets/text_shaping.h"
#include "platform/widgets/window_title.h"
#include "platform/widgets/wnd_access.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr const char* kRawTextProperty = "brewdialRawText";

void SetWidgetText(QWidget* w, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (w->isWindow()) {
        SetWindowTitleQuietly(w, q);
    } else if (auto* edit = qobject_cast<LineEdit*>(w)) {
        edit->SetTextAsProgram(q);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) {
        multi->setPlainText(q);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setProperty(kRawTextProperty, q);
        label->setText(WithoutMnemonic(text));
        ShapeAsTextNeeds(label, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(q);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(q);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(combo->findText(q));
    }
}

std::string WidgetText(const QWidget* w) {
    QString q;
    if (w->isWindow()) {
        q = w->windowTitle();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        q = edit->text();
    } else if (auto* multi = qobject_cast<const QPlainTextEdit*>(w)) {
        q = multi->toPlainText();
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        const QVariant raw = label->property(kRawTextProperty);
        q = raw.isValid() ? raw.toString() : label->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        q = button->text();
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        q = group->title();
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        q = combo->currentText();
    }
    return q.toStdString();
}

} // namespace

void CWnd::SetWindowText(const std::string& text) {
    if (QWidget* w = WndAccess::Widget(*this)) {
        SetWidgetText(w, text);
    }
}

std::string CWnd::GetWindowText() const {
    const QWidget* w = WndAccess::Widget(*this);
    return w ? WidgetText(w) : std::string();
}
