#include "tests/app_fixture.h"

#include "gl3d/timer_3d_wnd.h"
#include "indicators/countup_dlg.h"
#include "indicators/led_timer_dlg.h"
#include "platform/fake/test_application.h"
#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "platform/profile/qt_profile_store.h"
#include "res/page_controls.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

void AppFixture::SetUp() {
    ASSERT_TRUE(dir.IsValid());
    profilePath = dir.FilePath("brewdial.conf");
    env = std::make_unique<FakeEnvironment>(profilePath);
    app = std::make_unique<CTimerApp>(env->GetServices(), env->loop);
}

void AppFixture::TearDown() {
    for (const std::string& failure : env->modal.failures) {
        ADD_FAILURE() << failure;
    }
    for (const std::string& failure : env->tray.failures) {
        ADD_FAILURE() << failure;
    }
    EXPECT_EQ(env->modal.Pending(), 0u) << "a scripted modal answer was not used";
    app->ExitInstance();
    app.reset();
    ProcessDeferredDeletes();
}

void AppFixture::Start() {
    ASSERT_TRUE(app->InitInstance());
}

std::unique_ptr<ProfileStore> AppFixture::ReopenProfile() const {
    return QtProfileStore::AtPath(profilePath);
}

void AppFixture::Click(int controlId) {
    CWnd* button = Dlg().GetDlgItem(controlId);
    if (!button) {
        throw std::runtime_error("the main dialog has no control " + std::to_string(controlId));
    }
    ClickButton(*button);
}

void AppFixture::CommandFromTray(UINT id) {
    Dlg().SendMessage(WM_COMMAND, id, 0);
}

std::string AppFixture::ControlText(int controlId) {
    CWnd* item = Dlg().GetDlgItem(controlId);
    return item ? item->GetWindowText() : std::string();
}

bool AppFixture::ControlVisible(int controlId) {
    CWnd* item = Dlg().GetDlgItem(controlId);
    return item && (item->GetStyle() & WS_VISIBLE);
}

AppFixture::Run AppFixture::Running() {
    const std::string status = StatusText(1);
    if (status == "Countup running" || status == "Countup paused") {
        return Run::Countup;
    }
    if (status == "Timer paused") {
        return Run::Countdown;
    }
    if (status == "Timer active!" || status == "Timer active") {
        return ControlVisible(IDC_PAUSE) ? Run::Countdown : Run::Alarm;
    }
    return Run::None;
}

bool AppFixture::Paused() {
    return ControlText(IDC_PAUSE) == "Resume";
}

bool AppFixture::TimerPageOpen() {
    CWnd* mode = Page().GetDlgItem(IDC_MODE_TIMER);
    if (!mode) {
        throw std::runtime_error("the Timer page is not shown");
    }
    return mode->IsWindowEnabled();
}

bool AppFixture::Shows(Window window) {
    CWnd* shown = nullptr;
    switch (window) {
    case Window::LedTimer:
        shown = Dlg().m_pLedWnd.get();
        break;
    case Window::Countup:
        shown = Dlg().m_pCountupWnd.get();
        break;
    case Window::Timer3D:
        shown = Dlg().m_p3DWnd.get();
        break;
    case Window::Notice: {
        const CDialog* open = env->modal.OpenDialog(); // the notice is modal
        return open && open->TemplateId() == IDD_ALARM;
    }
    }
    return shown && shown->IsWindowVisible();
}

std::string AppFixture::CountupTime() {
    CWnd* time = Dlg().m_pCountupWnd ? Dlg().m_pCountupWnd->GetDlgItem(IDC_COUNT_TIME) : nullptr;
    if (!time) {
        throw std::runtime_error("no count-up window is shown");
    }
    return time->GetWindowText();
}

bool AppFixture::TrayShowsProgress() const {
    const HICON stages[] = {IDI_STAGE1, IDI_STAGE2, IDI_STAGE3, IDI_STAGE4, IDI_STAGE5,
                            IDI_STAGE6, IDI_STAGE7, IDI_STAGE8, IDI_STAGE9};
    return env->tray.present &&
           std::find(std::begin(stages), std::end(stages), env->tray.icon) != std::end(stages);
}

void AppFixture::SelectTab(int index) {
    ClickTab(Tabs(), index);
}

CDialog& AppFixture::Page() {
    if (!Dlg().m_pCurrentPage) {
        throw std::runtime_error("no page is shown");
    }
    return *Dlg().m_pCurrentPage;
}
