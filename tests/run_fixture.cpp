#include "tests/run_fixture.h"

#include "platform/messages.h"
#include "res/resource.h"

void RunFixture::StartWith(std::initializer_list<std::pair<const char*, int>> values) {
    for (const auto& [key, value] : values) {
        Profile().WriteProfileInt("Daten", key, value);
    }
    Start();
}

void RunFixture::StartCountdown(const std::string& minutes) {
    Dlg().m_settings.timer.nMode = 1;
    Dlg().m_settings.timer.strMinutes = minutes;
    Click(IDC_START);
}

void RunFixture::ArmAlarm(const std::string& time) {
    Dlg().m_settings.timer.nMode = 0;
    Dlg().m_settings.timer.strAlarmTime = time;
    Click(IDC_START);
}

void RunFixture::StartCountup() {
    Dlg().m_settings.timer.nMode = 2;
    Click(IDC_START);
}

void RunFixture::ExpectNotice(std::function<void(CDialog&)> whileOpen) {
    env->modal.ExpectDialog(IDD_ALARM, [whileOpen](CDialog& notice) {
        if (whileOpen) {
            whileOpen(notice);
        }
        return IDOK;
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
