#include "app/timer_dlg.h"

#include "gl3d/timer_3d_wnd.h"
#include "indicators/countup_dlg.h"
#include "indicators/led_timer_dlg.h"
#include "platform/app.h"
#include "platform/diagnostics.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "res/resource.h"
#include "ui/disk3d_options_page.h"
#include "ui/menu_page.h"
#include "ui/options_page.h"
#include "ui/start_page.h"
#include "ui/timer_page.h"

CTimerDlg::CTimerDlg(CWinApp& app) : CDialog(IDD_TIMER_DIALOG, app), m_hIcon(IDR_MAINFRAME) {}

// Pages and indicator windows still open when the program ends go with it; the 3D-Timer gives
// back the display mode it changed.
CTimerDlg::~CTimerDlg() = default;

void CTimerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAB, m_tabCtrl);
}

const MessageMap& CTimerDlg::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_CLOSE, &CTimerDlg::OnCloseButton), OnSelChange(IDC_TAB, &CTimerDlg::OnSelChangeTab),
        OnClicked(IDC_START, &CTimerDlg::OnStartTimer),  OnClicked(IDC_PAUSE, &CTimerDlg::OnPause),
        OnClicked(IDC_STOP, &CTimerDlg::OnStop),         OnMessage(WM_TRAYNOTIFY, &CTimerDlg::OnTrayNotify),
    };
    return map;
}

BOOL CTimerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CWinApp* app = &App();

    const std::string about = app->LoadString(IDS_ABOUTBOX);
    if (!about.empty()) {
        AppendSystemMenu(0, "");
        AppendSystemMenu(IDM_ABOUTBOX, about);
    }
    SetIcon(m_hIcon);

    m_bPaused = false;
    m_bInactive = true;
    m_pTimerPage = std::make_unique<CTimerPage>(*this, &m_settings.timer, &m_bInactive);

    LoadSettings(m_settings, GetServices().profile);

    m_bAlarmArmed = false;
    m_bTimerRunning = false;
    m_bCountupRunning = false;
    m_bLedOpen = false;
    m_b3DOpen = false;
    m_bIconStatus = false;

    m_bTrayHostFound = AddTrayIcon(this, kTrayIconId, m_hIcon, "Brewdial");
    m_bTrayIcon = true; // set whatever the add says: later calls then fail quietly

    m_statusBar.Create(*this, IDC_STATUSBAR);
    m_statusBar.SetParts({50, -1});
    m_statusBar.SetSimple(false);

    UpdateClock();
    m_strStatus = app->LoadString(IDS_INACTIVE);
    m_statusBar.SetText(m_strStatus, 1);

    ScheduleClock(); // hidden and idle, it sleeps until the dialog shows

    LoadWindowPositions(m_settings, GetServices().profile);

    const char* tabs[] = {"Timer", "Options", "Start/Tray", "Menu", "3D Options"};
    for (int i = 0; i < 5; ++i) {
        m_tabCtrl.InsertItem(i, tabs[i]);
    }
    m_pTimerPage->Create();
    m_pCurrentPage = m_pTimerPage.get();

    UpdateData(FALSE);
    return TRUE;
}

void CTimerDlg::OnOK() {
    CDialog::OnOK();
    CloseProgram();
}

void CTimerDlg::OnCloseButton() {
    CloseProgram();
}

void CTimerDlg::CloseProgram() {
    if (m_bTrayIcon) {
        DeleteTrayIcon(this, kTrayIconId);
    }
    // The page object outlives its window: the program may be ending from inside a dialog the
    // page opened (a tray command, an alarm that closes the program), which returns to it.
    RetireShownPage();
    UpdateData(TRUE);
    ProfileStore& profile = GetServices().profile;
    SaveSettings(m_settings, profile);
    if (!profile.Flush()) {
        ReportProblem("the settings could not be written; they are lost");
    }
    DestroyLedTimer();
    DestroyWindow();
}

void CTimerDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_CLOCK) {
        UpdateClock();
        CheckAlarmTime();
        ScheduleClock(); // for the next minute; the one-shot timer is spent
    } else if (id == IDT_TICK) {
        OnCountdownTick();
    }
}

void CTimerDlg::OnShowWindow(BOOL bShow, UINT) {
    if (bShow) {
        UpdateClock(); // it slept while nobody could see it
    }
    ScheduleClock();
}

// The clock shows hours and minutes and the alarm compares them, so the clock wakes only when
// the minute changes, and only while the dialog shows or an alarm waits, whatever else runs.
void CTimerDlg::ScheduleClock() {
    if (!m_bAlarmArmed && !IsWindowVisible()) {
        KillTimer(IDT_CLOCK);
    } else if (m_bAlarmArmed && AlarmIsThisMinute()) {
        SetTimer(IDT_CLOCK, 1000); // an alarm set for this very minute: checked within a second
    } else {
        SetMinuteTimer(IDT_CLOCK);
    }
}

bool CTimerDlg::AlarmIsThisMinute() {
    const TimeOfDay now = GetServices().clock.Now();
    return now.hour == m_nAlarmHour && now.minute == m_nAlarmMinute;
}

void CTimerDlg::UpdateClock() {
    const TimeOfDay now = GetServices().clock.Now();
    m_strClock = ClockText(now.hour, now.minute);
    m_statusBar.SetText(m_strClock, 0);
}

std::string ClockText(int hour, int minute) {
    return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
}
