#include "app/timer_dlg.h"
#include "ui/disk3d_options_page.h"
#include "ui/menu_page.h"
#include "ui/options_page.h"
#include "ui/start_page.h"
#include "ui/timer_page.h"

// Only the shown page's pointer is set, so at most one of these asks a page.
void CTimerDlg::SaveShownPageForStart() {
    SaveShownPage(false, true);
}

void CTimerDlg::SaveShownPageOnHide() {
    SaveShownPage(true, false);
}

void CTimerDlg::SaveShownPage(bool menuPage, bool diskPage) {
    if (m_pTimerPage) {
        m_pTimerPage->SaveToSettings();
    }
    if (m_pOptionsPage) {
        m_pOptionsPage->SaveToSettings();
    }
    if (m_pStartPage) {
        m_pStartPage->SaveToSettings();
    }
    if (menuPage && m_pMenuPage) {
        m_pMenuPage->SaveToSettings();
    }
    if (diskPage && m_p3DOptionsPage) {
        m_p3DOptionsPage->SaveToSettings();
    }
}

void CTimerDlg::RefreshTimerPage() {
    if (m_pTimerPage) {
        m_pTimerPage->UpdateControlStates();
    }
}
