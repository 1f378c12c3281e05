#include "app/timer_app.h"

#include "app/timer_dlg.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

#include <iostream>

CTimerApp::CTimerApp(Services& services, MessageLoop& loop) : CWinApp(services, loop, BrewdialResources()) {}

CTimerApp::~CTimerApp() {
    delete m_pTimerDlg;
}

BOOL CTimerApp::InitInstance() {
    SetRegistryKey(kCompanyKey);
    m_pTimerDlg = new CTimerDlg(nullptr);
    m_pMainWnd = m_pTimerDlg;
    if (!m_pTimerDlg->Create(nullptr)) {
        std::cerr << "brewdial: the main window could not be created\n";
        m_exitCode = 1;
        return FALSE;
    }
    const StartSettings& start = m_pTimerDlg->m_settings.start;
    if (start.nStartMinimized == 0 && start.nStartStayMinimized == 0) {
        m_pTimerDlg->ShowWindow(SW_SHOW);
    }
    return TRUE;
}

int CTimerApp::ExitInstance() {
    delete m_pTimerDlg;
    m_pTimerDlg = nullptr;
    m_pMainWnd = nullptr;
    const int base = CWinApp::ExitInstance();
    return m_exitCode != 0 ? m_exitCode : base;
}

void CTimerApp::OnMenuExit() {
    if (m_pTimerDlg && m_pTimerDlg->IsCreated()) {
        m_pTimerDlg->DispatchCommand(IDOK);
    }
}

const MessageMap& CTimerApp::GetMessageMap() const {
    static const MessageMap map = {
        OnCommand(ID_MENU_EXIT, &CTimerApp::OnMenuExit),
    };
    return map;
}
