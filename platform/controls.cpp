#include "platform/controls.h"

#include "platform/widgets/dialog_controls.h"
#include "platform/widgets/edits.h"
#include "platform/widgets/progress_bar.h"
#include "platform/widgets/status_bar.h"
#include "platform/widgets/tab_control.h"
#include "platform/widgets/up_down.h"
#include "platform/widgets/wnd_access.h"

#include <QComboBox>
#include <QProgressBar>
#include <QTabBar>

void CEdit::LimitText(int chars) {
    if (auto* edit = qobject_cast<LineEdit*>(WndAccess::Widget(*this))) {
        edit->SetLimit(chars);
    } else if (auto* multi = qobject_cast<MultiLineEdit*>(WndAccess::Widget(*this))) {
        multi->SetLimit(chars);
    }
}

void CProgressCtrl::SetRange32(int lower, int upper) {
    if (auto* bar = qobject_cast<QProgressBar*>(WndAccess::Widget(*this))) {
        bar->setRange(lower, upper);
    }
}

void CProgressCtrl::SetPos(int pos) {
    if (auto* bar = qobject_cast<ProgressBarWidget*>(WndAccess::Widget(*this))) {
        bar->SetValueWithNextPaint(pos);
    }
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    if (auto* spin = qobject_cast<UpDownWidget*>(WndAccess::Widget(*this))) {
        spin->SetRange(lower, upper);
    }
}

namespace {
QTabBar* Bar(QWidget* w) {
    auto* tabs = qobject_cast<TabControlWidget*>(w);
    return tabs ? tabs->Bar() : nullptr;
}
} // namespace

void CTabCtrl::InsertItem(int index, const std::string& text) {
    if (QTabBar* bar = Bar(WndAccess::Widget(*this))) {
        const QSignalBlocker quiet(bar); // inserting is no selection change
        bar->insertTab(index, QString::fromStdString(text));
    }
}

int CTabCtrl::GetCurSel() const {
    QTabBar* bar = Bar(WndAccess::Widget(*this));
    return bar ? bar->currentIndex() : -1;
}

BOOL CStatusBarCtrl::Create(CWnd& parent, UINT id) {
    QWidget* parentWidget = WndAccess::Widget(parent);
    if (!parentWidget) {
        return FALSE;
    }
    auto* bar = new StatusBarWidget(parentWidget);
    bar->setProperty(kControlIdProperty, static_cast<int>(id));
    bar->PlaceAtBottom();
    bar->show();
    WndAccess::Own(*this, bar, WndAccess::App(parent));
    return TRUE;
}

void CStatusBarCtrl::SetParts(const std::vector<int>& rightEdges) {
    if (auto* bar = qobject_cast<StatusBarWidget*>(WndAccess::Widget(*this))) {
        bar->SetParts(rightEdges);
    }
}

void CStatusBarCtrl::SetSimple(bool) {}

void CStatusBarCtrl::SetText(const std::string& text, int part) {
    if (auto* bar = qobject_cast<StatusBarWidget*>(WndAccess::Widget(*this))) {
        bar->SetText(part, QString::fromStdString(text));
    }
}
