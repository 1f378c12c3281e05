#include "ui/start_page.h"

#include "res/page_controls.h"
#include "res/resource.h"

CStartPage::CStartPage(CWnd& parent, StartSettings* settings)
    : CDialog(IDD_STARTPAGE, parent), m_pSettings(settings) {}

void CStartPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_START_MINIMIZED, m_checkStartMinimized);
    DDX_Control(pDX, IDC_MINIMIZE_AFTER_START, m_checkMinimizeAfterStart);
    DDX_Check(pDX, IDC_CLOSE_AFTER_ALARM, m_nCloseAfterAlarm);
    DDX_Check(pDX, IDC_MINIMIZE_AFTER_START, m_nMinimizeAfterStart);
    DDX_Check(pDX, IDC_START_MINIMIZED, m_nStartMinimized);
    DDX_Check(pDX, IDC_START_STAY, m_nStartStayMinimized);
    DDX_Radio(pDX, IDC_DBLCLICK_MAXIMIZE, m_nTrayDblClick);
}

const MessageMap& CStartPage::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_START_STAY, &CStartPage::OnStartStay),
    };
    return map;
}

BOOL CStartPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nTrayDblClick = m_pSettings->nTrayDblClick;
    m_nCloseAfterAlarm = m_pSettings->nCloseAfterAlarm;
    m_nStartMinimized = m_pSettings->nStartMinimized;
    m_nStartStayMinimized = m_pSettings->nStartStayMinimized;
    m_nMinimizeAfterStart = m_pSettings->nMinimizeAfterStart;
    EnableMinimizeOptions();
    UpdateData(FALSE);
    return TRUE;
}

void CStartPage::OnStartStay() {
    UpdateData(TRUE);
    EnableMinimizeOptions();
}

void CStartPage::EnableMinimizeOptions() {
    const bool enable = m_nStartStayMinimized != 1;
    m_checkMinimizeAfterStart.EnableWindow(enable);
    m_checkStartMinimized.EnableWindow(enable);
}

void CStartPage::SaveToSettings() {
    UpdateData(TRUE);
    m_pSettings->nCloseAfterAlarm = m_nCloseAfterAlarm;
    m_pSettings->nStartMinimized = m_nStartMinimized;
    m_pSettings->nStartStayMinimized = m_nStartStayMinimized;
    m_pSettings->nMinimizeAfterStart = m_nMinimizeAfterStart;
    m_pSettings->nTrayDblClick = m_nTrayDblClick;
}

void CStartPage::OnDestroy() {
    SaveToSettings();
    CDialog::OnDestroy();
}
