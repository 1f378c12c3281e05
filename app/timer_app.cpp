#include "app/timer_app.h"

#include "app/timer_dlg.h"
#include "platform/diagnostics.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"
#include "ui/menu_page.h"

CTimerApp::CTimerApp(Services& services, MessageLoop& loop) : CWinApp(services, loop, BrewdialResources()) {}

CTimerApp::~CTimerApp() = default;

BOOL CTimerApp::InitInstance() {
    SetRegistryKey(kCompanyKey);
    m_pTimerDlg = std::make_unique<CTimerDlg>(*this);
    m_pMainWnd = m_pTimerDlg.get();
    if (!m_pTimerDlg->Create()) {
        ReportProblem("the main window could not be created");
        m_exitCode = 1;
        return FALSE;
    }
    const StartSettings& start = m_pTimerDlg->m_settings.start;
    const bool startHidden = start.nStartMinimized != 0 || start.nStartStayMinimized != 0;
    if (!m_pTimerDlg->m_bTrayHostFound) {
        // Hidden with no icon to click, the program could be reached by nothing.
        ReportProblem(startHidden ? "no system tray to start minimized in; the main window is shown and the "
                                    "tray icon appears when a tray starts"
                                  : "no system tray; the tray icon appears when a tray starts");
    }
    if (!startHidden || !m_pTimerDlg->m_bTrayHostFound) {
        m_pTimerDlg->ShowWindow(SW_SHOW);
    }
    return TRUE;
}

int CTimerApp::ExitInstance() {
    m_pTimerDlg.reset();
    m_pMainWnd = nullptr;
    const int base = CWinApp::ExitInstance();
    return m_exitCode != 0 ? m_exitCode : base;
}

CTimerDlg* CTimerApp::LiveDialog() const {
    return m_pTimerDlg && m_pTimerDlg->IsCreated() ? m_pTimerDlg.get() : nullptr;
}

namespace {

// Two requests as one: a later run replaces an earlier one, and either may bring up the dialog.
StartRequest Merged(const std::optional<StartRequest>& earlier, const StartRequest& later) {
    if (!earlier) {
        return later;
    }
    const bool laterStarts = later.countdownMinutes > 0 || later.quickTimer > 0;
    StartRequest merged = laterStarts ? later : *earlier;
    merged.show = earlier->show || later.show;
    return merged;
}

} // namespace

// A request carried out inside a modal loop would open its own loops in it ("Missing Time!"),
// one inside the other for each later start.
void CTimerApp::CarryOut(const StartRequest& request) {
    m_waitingRequest = Merged(m_waitingRequest, request);
    CarryOutWaitingRequest();
}

void CTimerApp::CarryOutWaitingRequest() {
    if (m_carryingOut) {
        return; // the loop below takes what came meanwhile
    }
    m_carryingOut = true;
    while (m_waitingRequest && !ModalLoopOpen()) {
        const StartRequest request = *m_waitingRequest;
        m_waitingRequest.reset();
        CarryOutNow(request);
    }
    m_carryingOut = false;
}

void CTimerApp::CarryOutNow(const StartRequest& request) {
    CTimerDlg* dlg = LiveDialog();
    if (!dlg) {
        return;
    }
    if (request.countdownMinutes > 0) {
        m_strQuickMinutes = std::to_string(request.countdownMinutes);
        dlg->StartQuickTimer(m_strQuickMinutes);
    } else if (request.quickTimer >= 1 && request.quickTimer <= 3) {
        OnQuickTimer(request.quickTimer - 1);
    }
    if (request.show && LiveDialog()) { // a modal loop of the run's start may have seen the program end
        dlg->RestoreWindow();
    }
}

void CTimerApp::OnSessionEnd() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->CloseProgram();
    }
}

void CTimerApp::OnQuickTimer(int index) {
    if (CTimerDlg* dlg = LiveDialog()) {
        if (dlg->m_pMenuPage) {
            dlg->m_pMenuPage->SaveToSettings(); // minutes being edited on the shown Menu page start
        }
        m_strQuickMinutes = dlg->m_settings.menu.strMenuMinutes[index];
        dlg->StartQuickTimer(m_strQuickMinutes);
    }
}

void CTimerApp::OnMenuStop() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->StopAll();
    }
}

void CTimerApp::OnMenuPause() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->OnPause();
    }
}

void CTimerApp::OnMenuCountup() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->RestartCountup();
    }
}

void CTimerApp::OnMenuMaximize() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->RestoreWindow();
    }
}

void CTimerApp::OnMenuExit() {
    if (CTimerDlg* dlg = LiveDialog()) {
        dlg->SendMessage(WM_COMMAND, IDOK, 0);
    }
}

const MessageMap& CTimerApp::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(ID_QUICKTIMER1, &CTimerApp::OnQuickTimer1),
        OnCommand(ID_QUICKTIMER2, &CTimerApp::OnQuickTimer2),
        OnCommand(ID_QUICKTIMER3, &CTimerApp::OnQuickTimer3),
        OnCommand(ID_MENU_STOP, &CTimerApp::OnMenuStop),
        OnCommand(ID_MENU_PAUSE, &CTimerApp::OnMenuPause),
        OnCommand(ID_MENU_COUNTUP, &CTimerApp::OnMenuCountup),
        OnCommand(ID_MENU_MAXIMIZE, &CTimerApp::OnMenuMaximize),
        OnCommand(ID_MENU_EXIT, &CTimerApp::OnMenuExit),
    };
    return map;
}
