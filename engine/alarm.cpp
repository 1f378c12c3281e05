// The time-of-day alarm, and the steps both alarm sequences share: sound, notice, restore.
#include "app/timer_dlg.h"
#include "indicators/alarm_dlg.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "tray/tool_tip.h"

namespace {
// Far more than the notice's three lines hold.
constexpr size_t kNoticeChars = 1000;
} // namespace

void CTimerDlg::CheckAlarmTime() {
    if (!m_bAlarmArmed) {
        return;
    }
    const TimeOfDay now = GetServices().clock.Now();
    if (now.hour != m_nAlarmHour || now.minute != m_nAlarmMinute) {
        return;
    }
    m_bInactive = true;
    PlayAlarmSound();
    m_bAlarmArmed = false; // before the notice: its modal loop keeps delivering clock ticks
    ScheduleClock();       // which go on while the notice is open, if the dialog shows
    ShowAlarmNotice();
    if (NoticeEndedTheSequence()) {
        return;
    }
    RefreshTimerPage();
    ShowIdleTexts();
    RestoreMainDialog(); // also with "start and stay minimized"
    if (m_settings.start.nCloseAfterAlarm == 1) {
        OnOK();
        return;
    }
    ShowIdleTray();
}

namespace {

// The sound step's test: it looks at the sound name, not at the file path.
bool PlaysSound(const OptionsSettings& options) {
    return options.nPlaySound == 1 && !options.strSoundName.empty();
}

} // namespace

// A run whose alarm will sound readies the player, so the sound starts with the notice.
void CTimerDlg::PrepareAlarmSound() {
    if (PlaysSound(m_settings.options)) {
        GetServices().sound.PrepareToPlay();
    }
}

void CTimerDlg::PlayAlarmSound() {
    const OptionsSettings& options = m_settings.options;
    if (PlaysSound(options)) {
        GetServices().sound.PlaySound(options.strSoundWav, SND_FILENAME | SND_NODEFAULT | SND_ASYNC);
    }
}

void CTimerDlg::ShowAlarmNotice() {
    CAlarmDlg notice(App());
    // The message as committed at the start of the run. Its static shows about three lines and
    // cuts off the rest, so a huge stored text goes in no longer than it could ever show.
    notice.m_strNotice = FirstCharacters(m_settings.timer.strMessage, kNoticeChars);
    notice.DoModal();
}

// While the notice was open the user may have ended the program, or started a new run from
// the tray; the rest of the sequence then leaves the dialog and the tray to them.
bool CTimerDlg::NoticeEndedTheSequence() const {
    return !IsCreated() || !m_bInactive;
}

void CTimerDlg::RestoreMainDialog() {
    ShowWindow(SW_RESTORE);
    ShowWindow(SW_SHOWNORMAL);
}
