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
        m_pTimerPage = std::make_unique<CTimerPage>(*this, &m_settings.timer, &m_bInactive);
        m_pCurrentPage = m_pTimerPage.get();
        break;
    case 1:
        m_pOptionsPage = std::make_unique<COptionsPage>(*this, &m_settings.options);
        m_pCurrentPage = m_pOptionsPage.get();
        break;
    case 2:
        m_pStartPage = std::make_unique<CStartPage>(*this, &m_settings.start);
        m_pCurrentPage = m_pStartPage.get();
        break;
    case 3:
        m_pMenuPage = std::make_unique<CMenuPage>(*this, &m_settings.menu);
        m_pCurrentPage = m_pMenuPage.get();
        break;
    case 4:
        m_p3DOptionsPage = std::make_unique<C3DOptionsPage>(*this, &m_settings.disk3D);
        m_pCurrentPage = m_p3DOptionsPage.get();
        break;
    default:
        return;
    }
    m_pCurrentPage->Create();
    RedrawWindow();
}

namespace {

template <class Page>
void Retire(std::unique_ptr<Page>& page, std::vector<std::unique_ptr<CDialog>>& retired) {
    if (page) {
        retired.push_back(std::move(page));
    }
}

} // namespace

void CTimerDlg::DestroyShownPage() {
    RetireShownPage();
    m_retiredPages.clear();
}

void CTimerDlg::RetireShownPage() {
    if (m_pCurrentPage) {
        m_pCurrentPage->DestroyWindow(); // the page writes its values into m_settings
    }
    m_pCurrentPage = nullptr;
    Retire(m_pTimerPage, m_retiredPages);
    Retire(m_pOptionsPage, m_retiredPages);
    Retire(m_pStartPage, m_retiredPages);
    Retire(m_pMenuPage, m_retiredPages);
    Retire(m_p3DOptionsPage, m_retiredPages);
}
