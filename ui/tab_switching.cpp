#include "app/timer_dlg.h"
#include "ui/disk3d_options_page.h"
#include "ui/menu_page.h"
#include "ui/options_page.h"
#include "ui/start_page.h"
#include "ui/timer_page.h"

void CTimerDlg::OnSelChangeTab() {
    DestroyShownPage();
    switch (m_tabCtrl.GetCurSel()) {
    case 0:
        m_pCurrentPage = m_pTimerPage = new CTimerPage(*this, &m_settings.timer, &m_bInactive);
        break;
    case 1:
        m_pCurrentPage = m_pOptionsPage = new COptionsPage(*this, &m_settings.options);
        break;
    case 2:
        m_pCurrentPage = m_pStartPage = new CStartPage(*this, &m_settings.start);
        break;
    case 3:
        m_pCurrentPage = m_pMenuPage = new CMenuPage(*this, &m_settings.menu);
        break;
    case 4:
        m_pCurrentPage = m_p3DOptionsPage = new C3DOptionsPage(*this, &m_settings.disk3D);
        break;
    default:
        return;
    }
    m_pCurrentPage->Create();
    RedrawWindow();
}

void CTimerDlg::DestroyShownPage() {
    if (m_pCurrentPage) {
        m_pCurrentPage->DestroyWindow(); // the page writes its values into m_settings
    }
    DeletePages();
}

void CTimerDlg::DeletePages() {
    delete m_pTimerPage;
    delete m_pOptionsPage;
    delete m_pStartPage;
    delete m_pMenuPage;
    delete m_p3DOptionsPage;
    m_pTimerPage = nullptr;
    m_pOptionsPage = nullptr;
    m_pStartPage = nullptr;
    m_pMenuPage = nullptr;
    m_p3DOptionsPage = nullptr;
    m_pCurrentPage = nullptr;
}
