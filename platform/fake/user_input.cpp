#include "platform/fake/user_input.h"

#include "platform/app.h"
#include "platform/dialog.h"
#include "platform/fake/fake_services.h"
#include "platform/fake/test_application.h"
#include "platform/widgets/wnd_access.h"

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
#include <QWindow>

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

std::string Describe(CWnd& wnd) {
    const std::string text = wnd.GetWindowText();
    return "control " + std::to_string(wnd.GetDlgCtrlID()) + (text.empty() ? "" : " \"" + text + "\"");
}

// The widget a user action reaches, or null, with the refusal recorded, where the real desktop
// would not deliver it: a window not shown, a disabled control, or a window that an open modal
// dialog blocks.
ScriptedModal* ModalOf(CWnd& wnd) {
    return dynamic_cast<ScriptedModal*>(&WndAccess::App(wnd).GetServices().modal);
}

void Refuse(CWnd& wnd, const char* action, const std::string& refusal) {
    if (ScriptedModal* modal = ModalOf(wnd)) {
        modal->failures.push_back(std::string(action) + " on " + Describe(wnd) + " refused: " + refusal);
    }
}

QWidget* Reachable(CWnd& wnd, const char* action, bool mustBeEnabled = true) {
    QWidget* w = WndAccess::Widget(wnd);
    ScriptedModal* modal = ModalOf(wnd);
    std::string refusal;
    if (!w) {
        refusal = "no window";
    } else if (!w->isVisible()) {
        refusal = "not shown";
    } else if (mustBeEnabled && !w->isEnabled()) {
        refusal = "disabled";
    } else if (CDialog* open = modal ? modal->OpenDialog() : nullptr) {
        QWidget* modalWindow = WndAccess::Widget(*open);
        if (modalWindow && w->window() != modalWindow) {
            refusal = "behind the open modal dialog " + std::to_string(open->TemplateId());
        }
    }
    if (refusal.empty()) {
        return w;
    }
    Refuse(wnd, action, refusal);
    return nullptr;
}

} // namespace

void PressKey(CWnd& window, Key key) {
    if (QWidget* w = Reachable(window, "key press")) {
        QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
        Send(focus, QtKey(key), key == Key::Return ? QStringLiteral("\r") : QString());
    }
}

void PressKeyIn(CWnd& control, Key key) {
    if (QWidget* w = Reachable(control, "key press")) {
        w->setFocus();
        Send(w, QtKey(key), key == Key::Return ? QStringLiteral("\r") : QString());
    }
}

void TypeText(CWnd& control, const std::string& text) {
    QWidget* w = Reachable(control, "typing");
    if (!w) {
        return;
    }
    w->setFocus();
    for (const QChar c : QString::fromStdString(text)) {
        Send(w, c.toUpper().unicode(), QString(c)); // Qt key codes of letters and digits are their ASCII
    }
}

void ReplaceText(CWnd& control, const std::string& text) {
    QWidget* w = Reachable(control, "typing");
    if (!w) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) {
        multi->selectAll();
    }
    w->setFocus();
    Send(w, Qt::Key_Delete);
    TypeText(control, text);
}

void PasteText(CWnd& control, const std::string& text) {
    QWidget* w = Reachable(control, "pasting");
    if (!w) {
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->paste();
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) {
        multi->paste();
    }
}

void ClickButton(CWnd& button) {
    if (auto* b = qobject_cast<QAbstractButton*>(Reachable(button, "click"))) {
        b->click();
    }
}

void RightClick(CWnd& window, CPoint clientPoint) {
    QWidget* w = Reachable(window, "right-click", false);
    if (!w) {
        return;
    }
    const QPoint at(clientPoint.x, clientPoint.y);
    QWidget* target = w->childAt(at) ? w->childAt(at) : w;
    const QPoint global = w->mapToGlobal(at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFromGlobal(global), global);
    QApplication::sendEvent(target, &event);
}

void ClickTab(CWnd& tabControl, int index) {
    QWidget* w = Reachable(tabControl, "tab click");
    auto* bar = w ? w->findChild<QTabBar*>() : nullptr;
    if (!bar) {
        return;
    }
    // A tab the bar cuts off cannot be seen, nor clicked where its label is.
    if (!bar->rect().contains(bar->tabRect(index))) {
        Refuse(tabControl, "tab click", "tab " + std::to_string(index) + " is cut off");
        return;
    }
    const QPointF at = bar->tabRect(index).center();
    const QPointF global = bar->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

void ChooseListItem(CWnd& list, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(Reachable(list, "list choice"))) {
        combo->setCurrentIndex(index);
        combo->hidePopup();
    }
}

void CloseBox(CWnd& window) {
    if (QWidget* w = Reachable(window, "close box", false)) {
        w->close();
    }
}

void MovePointer(CWnd& window, CPoint clientPoint) {
    QWidget* w = Reachable(window, "pointer move", false);
    if (!w) {
        return;
    }
    // The widget under the pointer gets the move; one that ignores it passes it to its parent.
    const QPoint at(clientPoint.x, clientPoint.y);
    QWidget* target = w->childAt(at) ? w->childAt(at) : w;
    const QPointF local = target->mapFrom(w, QPointF(at));
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void DragWindow(CWnd& window, int x, int y) {
    QWidget* w = Reachable(window, "drag", false);
    if (w && w->isWindow() && w->windowHandle()) {
        w->windowHandle()->setFramePosition(QPoint(x, y)); // past the widget, as the window manager does
        DeliverWindowSystemEvents();
    }
}

void EndUserDrag(CWnd& window) {
    if (Reachable(window, "drag", false)) {
        WndAccess::CaptureChanged(window);
        WndAccess::CaptureChanged(window);
    }
}

void SystemCommand(CWnd& window, UINT id) {
    if (Reachable(window, "system command", false)) {
        WndAccess::SysCommand(window, id);
    }
}
