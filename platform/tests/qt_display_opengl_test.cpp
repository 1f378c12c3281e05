// The real display modes, pointer and OpenGL windows: what they refuse where nothing is drawn on a
// screen, and, run again under a virtual X server (tests/CMakeLists.txt), what they do there.
#include "platform/app.h"
#include "platform/display/display_service.h"
#include "platform/display/rendering_service.h"
#include "platform/fake/fake_services.h"
#include "platform/messages.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/modal_service.h"
#include "platform/wnd.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TopLevelWindow : public CWnd {
public:
    explicit TopLevelWindow(CWinApp& app) { SetApp(app); }
};

// An application object on test doubles, for windows made with the real services' help.
class WindowHome {
public:
    WindowHome() : m_env(m_dir.filePath(QStringLiteral("brewdial.conf")).toStdString()) {}
    CWinApp& App() { return m_app; }

private:
    QTemporaryDir m_dir;
    FakeEnvironment m_env;
    ResourceTable m_resources;
    CWinApp m_app{m_env.GetServices(), m_env.loop, m_resources};
};

bool OnAnXServer() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

TEST(QtMessageBox, TheStopSignIsCriticalAndTheExclamationAWarning) {
    EXPECT_EQ(MessageBoxIcon(MB_OK | MB_ICONHAND), QMessageBox::Critical);
    EXPECT_EQ(MessageBoxIcon(MB_OK | MB_ICONEXCLAMATION), QMessageBox::Warning);
    EXPECT_EQ(MessageBoxIcon(MB_OK), QMessageBox::NoIcon);
}

TEST(QtDisplay, ThePointerHidesOverTheProgramsOwnWindowsWhileItsCountIsBelowZero) {
    QtDisplayService display;
    CWnd owner;
    FrameWindow window(owner); // as CWnd::CreateEx makes the 3D-Timer
    QDialog box;               // a dialog or message box beside it
    const auto hidden = [&] {
        return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::BlankCursor;
    };
    const auto untouched = [&] {
        return QGuiApplication::overrideCursor() == nullptr && !box.testAttribute(Qt::WA_SetCursor);
    };
    struct Step {
        BOOL show;
        int count;
        bool hides;
    };
    for (const Step& step : {Step{FALSE, -1, true}, Step{FALSE, -2, true}, Step{TRUE, -1, true},
                             Step{TRUE, 0, false}, Step{TRUE, 1, false}}) {
        EXPECT_EQ(display.ShowCursor(step.show), step.count);
        EXPECT_EQ(hidden(), step.hides) << step.count;
        EXPECT_TRUE(untouched()) << step.count;
    }
}

TEST(QtDisplay, WithoutAnXServerNoModeIsOfferedAndNoneCanBeSet) {
    if (OnAnXServer()) {
        GTEST_SKIP() << "an X server offers its modes";
    }
    QtDisplayService display;
    DEVMODE mode;
    EXPECT_FALSE(display.EnumDisplaySettings(0, mode));
    const DEVMODE vga{24, 640, 480};
    EXPECT_EQ(display.ChangeDisplaySettings(&vga), DISP_CHANGE_BADMODE);
    EXPECT_EQ(display.ChangeDisplaySettings(nullptr), DISP_CHANGE_SUCCESSFUL);
}

TEST(QtOpenGl, NoDeviceContextWhereNothingIsDrawnOnAScreenOrForAWindowOfAnotherKind) {
    WindowHome home;
    QtRenderingService rendering;
    TopLevelWindow wnd(home.App());
    CWnd plain;
    EXPECT_EQ(rendering.GetDC(plain, 16), nullptr);
    if (OnAnXServer()) {
        GTEST_SKIP() << "an X server draws";
    }
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOOLWINDOW, "GL", WS_VISIBLE | WS_CAPTION, CRect{10, 10, 110, 110}));
    EXPECT_EQ(rendering.GetDC(wnd, 16), nullptr);
    wnd.DestroyWindow();
}

// What follows runs on a virtual X server with Mesa.

TEST(RealDesktop, AnOpenGlWindowShowsWhatItsContextDraws) {
    if (!OnAnXServer()) {
        GTEST_SKIP() << "needs an X server";
    }
    WindowHome home;
    QtRenderingService rendering;
    TopLevelWindow wnd(home.App());
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, "GL", WS_POPUP | WS_VISIBLE, CRect{20, 30, 140, 130}));
    std::unique_ptr<GlDeviceContext> dc = rendering.GetDC(wnd, 16);
    ASSERT_NE(dc, nullptr);
    std::unique_ptr<GlRenderingContext> rc = dc->CreateContext();
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(dc->CreateContext(), nullptr); // one per window
    ASSERT_TRUE(rc->MakeCurrent());
    const QSurfaceFormat format = QOpenGLContext::currentContext()->format();
    EXPECT_GE(format.depthBufferSize(), 16);
    EXPECT_TRUE(format.swapBehavior() != QSurfaceFormat::SingleBuffer);

    QScreen* screen = QGuiApplication::primaryScreen();
    QElapsedTimer waited;
    waited.start();
    QColor shown;
    do { // the X server shows the frame once the window is mapped
        QCoreApplication::processEvents();
        QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        dc->SwapBuffers();
        shown = screen->grabWindow(0, 80, 80, 1, 1).toImage().pixelColor(0, 0);
    } while (shown != QColor(255, 128, 0) && waited.elapsed() < 5000);
    EXPECT_EQ(shown, QColor(255, 128, 0));
    rc.reset();
    dc.reset();
    wnd.DestroyWindow();
}

TEST(RealDesktop, XvfbOffersAndTakesItsOwnModeOnlyAndRefusesOthers) {
    if (!OnAnXServer()) {
        GTEST_SKIP() << "needs an X server";
    }
    QtDisplayService display;
    DEVMODE mode;
    ASSERT_TRUE(display.EnumDisplaySettings(0, mode));
    EXPECT_EQ(mode.dmBitsPerPel, 24u);
    EXPECT_EQ(mode.dmPelsWidth, 1024u);
    EXPECT_EQ(mode.dmPelsHeight, 768u);
    EXPECT_FALSE(display.EnumDisplaySettings(1, mode));
    const DEVMODE vga{24, 640, 480};
    EXPECT_EQ(display.ChangeDisplaySettings(&vga), DISP_CHANGE_BADMODE);
    const DEVMODE deep{16, 1024, 768};
    EXPECT_EQ(display.ChangeDisplaySettings(&deep), DISP_CHANGE_RESTART); // the depth is the server's
    const DEVMODE own{24, 1024, 768};
    EXPECT_EQ(display.ChangeDisplaySettings(&own), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(display.ChangeDisplaySettings(nullptr), DISP_CHANGE_SUCCESSFUL);
}

} // namespace
