#include "platform/fake/user_input.h"

#include "platform/wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QWidget>

namespace {

int QtKey(Key key) {
    switch (key) {
    case Key::Return:
        return Qt::Key_Return;
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::Tab:
        return Qt::Key_Tab;
    }
    return 0;
}

void Send(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

void PressKey(CWnd& window, Key key) {
    QWidget* w = window.Widget();
    QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
    Send(focus, QtKey(key), key == Key::Return ? QStringLiteral("\r") : QString());
}

void PressKeyIn(CWnd& control, Key key) {
    control.Widget()->setFocus();
    Send(control.Widget(), QtKey(key), key == Key::Return ? QStringLiteral("\r") : QString());
}

void TypeText(CWnd& control, const std::string& text) {
    QWidget* w = control.Widget();
    w->setFocus();
    for (const QChar c : QString::fromStdString(text)) {
        Send(w, c.toUpper().unicode(), QString(c)); // Qt key codes of letters and digits are their ASCII
    }
}

void ReplaceText(CWnd& control, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control.Widget())) {
        edit->selectAll();
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(control.Widget())) {
        multi->selectAll();
    }
    control.Widget()->setFocus();
    Send(control.Widget(), Qt::Key_Delete);
    TypeText(control, text);
}

void PasteText(CWnd& control, const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    if (auto* edit = qobject_cast<QLineEdit*>(control.Widget())) {
        edit->paste();
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(control.Widget())) {
        multi->paste();
    }
}

void ClickButton(CWnd& button) {
    if (auto* b = qobject_cast<QAbstractButton*>(button.Widget())) {
        b->click();
    }
}

void RightClick(CWnd& window, CPoint clientPoint) {
    QWidget* w = window.Widget();
    const QPoint at(clientPoint.x, clientPoint.y);
    QWidget* target = w->childAt(at) ? w->childAt(at) : w;
    const QPoint global = w->mapToGlobal(at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFromGlobal(global), global);
    QApplication::sendEvent(target, &event);
}

void ClickTab(CWnd& tabControl, int index) {
    auto* bar = tabControl.Widget()->findChild<QTabBar*>();
    const QPointF at = bar->tabRect(index).center();
    const QPointF global = bar->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

void ChooseListItem(CWnd& list, int index) {
    auto* combo = qobject_cast<QComboBox*>(list.Widget());
    combo->setCurrentIndex(index);
    combo->hidePopup();
}

void CloseBox(CWnd& window) {
    window.Widget()->close();
}
