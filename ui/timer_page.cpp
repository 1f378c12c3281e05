#include "ui/timer_page.h"

#include "res/page_controls.h"
#include "res/resource.h"

namespace {

constexpr int kTimer = static_cast<int>(TimerMode::Timer);
constexpr int kCountup = static_cast<int>(TimerMode::Countup);

// Any mode that is neither Timer nor Countup shows the time of day.
bool IsTimeMode(int mode) {
    return mode != kTimer && mode != kCountup;
}

} // namespace

CTimerPage::CTimerPage(CWnd& parent, TimerSettings* settings, bool* inactive)
    : CDialog(IDD_TIMERPAGE, parent), m_pSettings(settings), m_pbInactive(inactive) {}

void CTimerPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MESSAGE, m_editMessage);
    DDX_Control(pDX, IDC_24H_LABEL, m_static24h);
    DDX_Control(pDX, IDC_ALARM_AT_LABEL, m_staticAlarmAt);
    DDX_Control(pDX, IDC_MINUTES_LABEL, m_staticMinutes);
    DDX_Control(pDX, IDC_IN_LABEL, m_staticIn);
    DDX_Control(pDX, IDC_MINUTES, m_editMinutes);
    DDX_Control(pDX, IDC_ALARMTIME, m_editAlarmTime);
    DDX_Control(pDX, IDC_MINUTES_SPIN, m_spinMinutes);
    DDX_Text(pDX, IDC_ALARMTIME, m_strAlarmTime);
    DDX_Text(pDX, IDC_MINUTES, m_strMinutes);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
    DDX_Radio(pDX, IDC_MODE_TIME, m_nMode);
}

const MessageMap& CTimerPage::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_MODE_TIME, &CTimerPage::OnModeTime),
        OnClicked(IDC_MODE_TIMER, &CTimerPage::OnModeTimer),
        OnClicked(IDC_MODE_COUNTUP, &CTimerPage::OnModeCountup),
    };
    return map;
}

BOOL CTimerPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editMessage.LimitText(70);
    m_strMessage = m_pSettings->strMessage;
    m_spinMinutes.SetRange(1, 25);
    m_editAlarmTime.LimitText(5);
    m_editMinutes.LimitText(2);
    m_nMode = m_pSettings->nMode;
    EnableModeControls(m_nMode);
    m_strMinutes = m_pSettings->strMinutes;
    // The alarm time is typed afresh every time the page opens.
    UpdateData(FALSE);
    m_strShownMessage = m_editMessage.GetWindowText();
    UpdateControlStates();
    return TRUE;
}

void CTimerPage::EnableModeControls(int mode) {
    const bool time = IsTimeMode(mode);
    const bool minutes = mode == kTimer;
    m_editAlarmTime.EnableWindow(time);
    m_staticAlarmAt.EnableWindow(time);
    m_static24h.EnableWindow(time);
    m_editMinutes.EnableWindow(minutes);
    m_spinMinutes.EnableWindow(minutes);
    m_staticIn.EnableWindow(minutes);
    m_staticMinutes.EnableWindow(minutes);
}

void CTimerPage::OnModeTime() {
    EnableModeControls(static_cast<int>(TimerMode::Time));
}

void CTimerPage::OnModeTimer() {
    EnableModeControls(kTimer);
}

void CTimerPage::OnModeCountup() {
    EnableModeControls(kCountup);
}

void CTimerPage::UpdateControlStates() {
    const bool inactive = *m_pbInactive;
    for (int id : {IDC_MODE_TIME, IDC_MODE_TIMER, IDC_MODE_COUNTUP}) {
        GetDlgItem(id)->EnableWindow(inactive);
    }
    m_editMessage.EnableWindow(inactive);
    m_editAlarmTime.EnableWindow(inactive && IsTimeMode(m_nMode));
    m_editMinutes.EnableWindow(inactive && m_nMode == kTimer);
    m_spinMinutes.EnableWindow(inactive && m_nMode == kTimer);
}

void CTimerPage::ReloadModeAndMinutes() {
    m_strMinutes = m_pSettings->strMinutes;
    m_nMode = m_pSettings->nMode;
    UpdateData(FALSE);
}

void CTimerPage::SaveToSettings() {
    UpdateData(TRUE);
    m_pSettings->nMode = m_nMode;
    m_pSettings->strMinutes = m_strMinutes;
    if (m_strMessage != m_strShownMessage) { // edited: what the edit holds is the message now
        m_pSettings->strMessage = m_strMessage;
        m_strShownMessage = m_strMessage;
    }
    m_pSettings->strAlarmTime = m_strAlarmTime;
}

void CTimerPage::OnDestroy() {
    SaveToSettings();
    CDialog::OnDestroy();
}
