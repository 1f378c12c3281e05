// Every window shows the program's icon, also those that set none of their own.
#include "platform/dialog.h"
#include "platform/fake/fake_services.h"
#include "platform/qt_platform.h"
#include "platform/widgets/art.h"
#include "platform/widgets/wnd_access.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/temp_folder.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Picture(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage();
}

TEST(ProgramIcon, EveryTopLevelWindowShowsIt) {
    TempFolder dir;
    FakeEnvironment env(dir.FilePath("brewdial.conf"));
    CWinApp app(env.GetServices(), env.loop, BrewdialResources());
    const QImage programIcon = Picture(IconResource(IDR_MAINFRAME));
    ASSERT_FALSE(programIcon.isNull());

    QtPlatform::SetProgramIcon(IDR_MAINFRAME);
    // The about box, the notice, the LED-Timer, the count-up window and the colours dialog.
    for (int id : {IDD_ABOUTBOX, IDD_ALARM, IDD_LEDTIMER, IDD_COUNTUP, IDD_COLORS}) {
        CDialog window(id, app);
        ASSERT_TRUE(window.Create()) << id;
        EXPECT_EQ(Picture(WndAccess::Widget(window)->windowIcon()), programIcon) << id;
        window.DestroyWindow();
    }
    QApplication::setWindowIcon(QIcon());
    CDialog without(IDD_ABOUTBOX, app);
    ASSERT_TRUE(without.Create());
    EXPECT_NE(Picture(WndAccess::Widget(without)->windowIcon()), programIcon) << "what the test tells apart";
    without.DestroyWindow();
}

} // namespace
