#include "platform/controls.h"

#include "platform/qt/progress_bar.h"
#include "platform/qt/widgets.h"
#include "platform/qt/wnd_access.h"

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

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    auto* bar = qobject_cast<QProgressBar*>(WndAccess::Widget(*this));
    lower = bar ? bar->minimum() : 0;
    upper = bar ? bar->maximum() : 0;
}

void CProgressCtrl::SetPos(int pos) {
    if (auto* bar = qobject_cast<ProgressBarWidget*>(WndAccess::Widget(*this))) {
        bar->SetValueWithNextPaint(pos);
    }
}

int CProgressCtrl::GetPos() const {
    auto* bar = qobject_cast<QProgressBar*>(WndAccess::Widget(*this));
    return bar ? bar->value() : 0;
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    if (auto* spin = qobject_cast<UpDownWidget*>(WndAccess::Widget(*this))) {
        spin->SetRange(lower, upper);
    }
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    auto* spin = qobject_cast<UpDownWidget*>(WndAccess::Widget(*this));
    lower = spin ? spin->Lower() : 0;
    upper = spin ? spin->Upper() : 0;
}

int CComboBox::GetCount() const {
    auto* combo = qobject_cast<QComboBox*>(WndAccess::Widget(*this));
    return combo ? combo->count() : 0;
}

std::string CComboBox::GetItemText(int index) const {
    auto* combo = qobject_cast<QComboBox*>(WndAccess::Widget(*this));
    return combo ? combo->itemText(index).toStdString() : std::string();
}

int CComboBox::GetCurSel() const {
    auto* combo = qobject_cast<QComboBox*>(WndAccess::Widget(*this));
    return combo ? combo->currentIndex() : -1;
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

int CTabCtrl::GetItemCount() const {
    QTabBar* bar = Bar(WndAccess::Widget(*this));
    return bar ? bar->count() : 0;
}

std::string CTabCtrl::GetItemText(int index) const {
    QTabBar* bar = Bar(WndAccess::Widget(*this));
    return bar ? bar->tabText(index).toStdString() : std::string();
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

std::string CStatusBarCtrl::GetText(int part) const {
    auto* bar = qobject_cast<StatusBarWidget*>(WndAccess::Widget(*this));
    return bar ? bar->Text(part).toStdString() : std::string();
}
