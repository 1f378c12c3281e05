#include "platform/dialog.h"

#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/widgets/dialog_controls.h"
#include "platform/widgets/dialog_units.h"
#include "platform/widgets/show_events.h"
#include "platform/widgets/window_host.h"
#include "platform/widgets/wnd_access.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

namespace {

Qt::WindowFlags FlagsFor(const DialogTemplate& tmpl) {
    Qt::WindowFlags flags = (tmpl.exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (tmpl.style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((tmpl.style & DS_SYSMODAL) || (tmpl.exStyle & WS_EX_TOPMOST)) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

QWidget* ControlWidget(CDataExchange* pDX, int id) {
    CWnd* item = pDX->m_pDlgWnd->GetDlgItem(id);
    return item ? WndAccess::Widget(*item) : nullptr;
}

} // namespace

CDialog::CDialog(int templateId, CWinApp& app) : m_templateId(templateId) {
    SetApp(app);
}

CDialog::CDialog(int templateId, CWnd& parent) : m_templateId(templateId), m_pParent(&parent) {
    SetApp(WndAccess::App(parent));
}

CDialog::~CDialog() = default;

const DialogTemplate& CDialog::Template() const {
    return App().Resources().dialogs.at(m_templateId);
}

BOOL CDialog::Create() {
    const DialogTemplate& tmpl = Template();
    const bool child = (tmpl.style & WS_CHILD) != 0;
    QWidget* parentWidget = (child && m_pParent) ? WndAccess::Widget(*m_pParent) : nullptr;
    auto* host = new WindowHost(*this, parentWidget, child);
    const QFont font = TemplateFont(tmpl);
    host->setFont(font);
    const DialogUnits units = UnitsForFont(font);
    if (child) {
        host->setGeometry(units.X(tmpl.x), units.Y(tmpl.y), units.X(tmpl.cx), units.Y(tmpl.cy));
    } else {
        host->setWindowFlags(FlagsFor(tmpl));
        host->setWindowTitle(QString::fromStdString(tmpl.caption));
        host->setFixedSize(units.X(tmpl.cx), units.Y(tmpl.cy));
        if (tmpl.style & DS_CENTER) {
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                host->move(area.center() - QPoint(host->width() / 2, host->height() / 2));
            }
        }
    }
    WndAccess::Own(*this, host, App());
    ForwardShowEvents(*host, *this);
    BuildControls(tmpl, host, units, *this);
    OnInitDialog();
    if (QWidget* w = WndAccess::Widget(*this); w && (tmpl.style & WS_VISIBLE)) {
        w->show();
    }
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    Create();
    const int result = GetServices().modal.RunModal(*this);
    DestroyWindow();
    m_modal = false;
    return result;
}

void CDialog::EndDialog(int result) {
    if (m_modal) {
        GetServices().modal.EndModal(*this, result);
    } else {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx{this, saveAndValidate != FALSE};
    DoDataExchange(&dx);
    return TRUE;
}

CWnd* CDialog::GetDlgItem(int id) {
    QWidget* window = WndAccess::Widget(*this);
    if (!window) {
        return nullptr;
    }
    auto found = m_items.find(id);
    if (found != m_items.end() && found->second->IsCreated()) {
        return found->second.get();
    }
    for (QObject* child : window->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w->property(kControlIdProperty).toInt() == id && id != -1) {
            auto item = std::make_unique<CWnd>();
            WndAccess::Attach(*item, w, id, App());
            CWnd* raw = item.get();
            m_items[id] = std::move(item);
            return raw;
        }
    }
    return nullptr;
}

UINT CDialog::IsDlgButtonChecked(int id) {
    CWnd* item = GetDlgItem(id);
    auto* button = item ? qobject_cast<QAbstractButton*>(WndAccess::Widget(*item)) : nullptr;
    return button && button->isChecked() ? 1 : 0;
}

BOOL CDialog::DestroyWindow() {
    const BOOL destroyed = CWnd::DestroyWindow();
    m_items.clear();
    return destroyed;
}

bool CDialog::OnCmdMsg(UINT id) {
    if (RunMapEntry(MapKind::Command, id)) {
        return true;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    // The main window leaves the menu commands it does not handle to the application.
    return App().m_pMainWnd == this && App().OnCmdMsg(id);
}

bool CDialog::OnNotify(int controlId, UINT code) {
    MapKind kind = MapKind::Clicked;
    if (code == TCN_SELCHANGE) {
        kind = MapKind::SelChange;
    } else if (code == CBN_CLOSEUP) {
        kind = MapKind::CloseUp;
    }
    if (RunMapEntry(kind, static_cast<UINT>(controlId))) {
        return true;
    }
    // A click on a button without a handler is the command of its id (OK, Cancel).
    return kind == MapKind::Clicked && OnCmdMsg(static_cast<UINT>(controlId));
}

LRESULT CDialog::OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    RunMapEntry(MapKind::Message, message, wParam, lParam, &result);
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnClose() {
    OnCancel();
}

void CDialog::DoDataExchange(CDataExchange*) {}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.IsCreated()) {
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    CWnd* item = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!item) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = item->GetWindowText();
    } else {
        item->SetWindowText(value);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    auto* button = qobject_cast<QAbstractButton*>(ControlWidget(pDX, id));
    if (!button) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = button->isChecked() ? 1 : 0;
    } else {
        SetCheckedByProgram(button, value == 1);
    }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    auto* first = qobject_cast<QRadioButton*>(ControlWidget(pDX, id));
    if (!first || !first->group()) {
        return;
    }
    const QList<QAbstractButton*> buttons = first->group()->buttons();
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = static_cast<int>(i);
            }
        }
        return;
    }
    first->group()->setExclusive(false);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        SetCheckedByProgram(buttons[i], i == value);
    }
    first->group()->setExclusive(true);
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
    auto* combo = qobject_cast<QComboBox*>(ControlWidget(pDX, id));
    if (!combo) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = combo->currentText().toStdString();
    } else {
        combo->setCurrentIndex(combo->findText(QString::fromStdString(value), Qt::MatchStartsWith));
    }
}
