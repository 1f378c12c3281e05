#include "tests/app_fixture.h"

#include "platform/fake/test_application.h"
#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "platform/profile/qt_profile_store.h"

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
