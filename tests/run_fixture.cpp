#include "tests/run_fixture.h"

#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "res/resource.h"

namespace {
constexpr int kAlarmTimeEdit = 1000; // "Alarm at:" on the Timer page
}

void RunFixture::StartWith(std::initializer_list<std::pair<const char*, int>> values) {
    for (const auto& [key, value] : values) {
        Profile().WriteProfileInt("Daten", key, value);
    }
    Start();
}

void RunFixture::EditTimerInput(const std::function<void(TimerSettings&)>& edit) {
    SelectTab(1);
    edit(Dlg().m_settings.timer);
    SelectTab(0);
}

void RunFixture::StartCountdown(const std::string& minutes) {
    EditTimerInput([&](TimerSettings& timer) {
        timer.nMode = 1;
        timer.strMinutes = minutes;
    });
    Click(IDC_START);
}

void RunFixture::ArmAlarm(const std::string& time) {
    EditTimerInput([&](TimerSettings& timer) {
        timer.nMode = 0;
        timer.strAlarmTime = time;
    });
    TypeAlarmTime(time);
    Click(IDC_START);
}

// The Timer page opens with an empty alarm time: the user types it there.
void RunFixture::TypeAlarmTime(const std::string& time) {
    if (CWnd* edit = Page().GetDlgItem(kAlarmTimeEdit)) {
        TypeText(*edit, time);
    }
}

void RunFixture::StartCountup() {
    EditTimerInput([](TimerSettings& timer) { timer.nMode = 2; });
    Click(IDC_START);
}

void RunFixture::ExpectNotice(std::function<void(CDialog&)> whileOpen) {
    env->modal.ExpectDialog(IDD_ALARM, [whileOpen](CDialog& notice) {
        if (whileOpen) {
            whileOpen(notice);
        }
        if (CWnd* ok = notice.GetDlgItem(IDOK)) {
            ClickButton(*ok);
        }
    });
}

std::string RunFixture::NoticeText(CDialog& notice) {
    CWnd* text = notice.GetDlgItem(IDC_NOTICE_TEXT);
    return text ? text->GetWindowText() : std::string();
}

bool RunFixture::IdleButtons() {
    return ControlVisible(IDC_START) && !ControlVisible(IDC_PAUSE) && !ControlVisible(IDC_STOP);
}

bool RunFixture::RunButtons() {
    return !ControlVisible(IDC_START) && ControlVisible(IDC_PAUSE) && ControlVisible(IDC_STOP);
}

CRect RunFixture::MoveTo(CWnd& wnd, int x, int y) {
    wnd.SetWindowPos(true, x, y);
    return wnd.GetWindowRect();
}

std::pair<int, int> RunFixture::Place(const CWnd& wnd) {
    const CRect r = wnd.GetWindowRect();
    return {r.left, r.top};
}
