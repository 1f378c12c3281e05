#include "tests/app_fixture.h"

#include "platform/messages.h"
#include "platform/qt/qt_profile_store.h"

#include <QCoreApplication>
#include <QEvent>

void AppFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    profilePath = dir.filePath("brewdial.conf").toStdString();
    env = std::make_unique<FakeEnvironment>(profilePath);
    app = std::make_unique<CTimerApp>(env->GetServices(), env->loop);
}

void AppFixture::TearDown() {
    EXPECT_TRUE(env->modal.unexpected.empty()) << "unexpected modal call: " << env->modal.unexpected.front();
    EXPECT_EQ(env->modal.Pending(), 0u) << "a scripted modal answer was not used";
    app->ExitInstance();
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppFixture::Start() {
    ASSERT_TRUE(app->InitInstance());
}

std::unique_ptr<ProfileStore> AppFixture::ReopenProfile() const {
    return QtProfileStore::AtPath(profilePath);
}

void AppFixture::Click(int controlId) {
    Dlg().DispatchNotify(controlId, 0);
}

void AppFixture::Command(UINT id) {
    Dlg().DispatchCommand(id);
}

std::string AppFixture::ControlText(int controlId) {
    CWnd* item = Dlg().GetDlgItem(controlId);
    return item ? item->GetWindowText() : std::string();
}

bool AppFixture::ControlVisible(int controlId) {
    CWnd* item = Dlg().GetDlgItem(controlId);
    return item && (item->GetStyle() & WS_VISIBLE);
}
