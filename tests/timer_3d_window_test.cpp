// The 3D-Timer window on its own: where and how it opens, the full screen and its display mode,
// keys and mouse, and what it keeps and gives back when it goes.
#include "gl3d/timer_3d_wnd.h"
#include "platform/fake/test_application.h"
#include "platform/fake/user_input.h"
#include "platform/fake/window_kind.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <climits>

namespace {

const DEVMODE kDesktop{24, 1024, 768};
const DEVMODE k640x480x16{16, 640, 480};
const DEVMODE k640x480x24{24, 640, 480};
const CRect kPopup{0, 0, 640, 480};
constexpr const char* kNotSupported = "640x480x65536 (16/24-bit color/Hicolor) is not supported";

bool Same(const DEVMODE& a, const DEVMODE& b) {
    return a.dmBitsPerPel == b.dmBitsPerPel && a.dmPelsWidth == b.dmPelsWidth &&
           a.dmPelsHeight == b.dmPelsHeight;
}

class Timer3DWindowTest : public RunFixture {
protected:
    C3DTimerWnd& Wnd() { return Timer3DWindow(); }
    CRect Stored() {
        const Settings& s = HeldSettings();
        return CRect{s.n3DLeft, s.n3DTop, s.n3DRight, s.n3DBottom};
    }
    // The last message box shown, with its text, caption and type.
    const MessageBoxCall& LastBox() { return env->modal.messageBoxes.back(); }
    void ExpectStopBox(const std::string& text, const std::string& caption) {
        ASSERT_FALSE(env->modal.messageBoxes.empty());
        EXPECT_EQ(LastBox().text, text);
        EXPECT_EQ(LastBox().caption, caption);
        EXPECT_EQ(LastBox().type, MB_OK | MB_ICONHAND);
    }
};

TEST_F(Timer3DWindowTest, OpensOnTopAtTheStoredRectangleWithoutATaskBarButton) {
    StartWith({{"3D", 1}, {"linksW", 200}, {"obenW", 150}, {"rechtsW", 520}, {"untenW", 390}});
    StartCountdown("1");
    ASSERT_TRUE(Shows(Window::Timer3D));
    C3DTimerWnd& wnd = Wnd();
    EXPECT_TRUE(wnd.IsWindowVisible());
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (1 minute)");
    EXPECT_EQ(wnd.GetWindowRect(), (CRect{200, 150, 520, 390})); // the frame included
    const CRect client = wnd.GetClientRect();
    EXPECT_LT(client.Width(), 320);
    EXPECT_LT(client.Height(), 240);
    const WindowKind kind = KindOf(wnd);
    EXPECT_TRUE(kind.topmost);
    EXPECT_FALSE(kind.taskBarButton);
    EXPECT_TRUE(kind.caption);
    EXPECT_TRUE(kind.maximizeBox);
    EXPECT_FALSE(kind.closeBox); // no system menu: the window has no close command
    EXPECT_EQ(wnd.m_bFullscreen, 0);
    EXPECT_EQ(env->display.cursorCount, 0);
    EXPECT_TRUE(env->display.changes.empty());
}

TEST_F(Timer3DWindowTest, StoredRectanglesOfAnyValueOpenAWindowThatShows) {
    const CRect area = FixedDisplay().workArea; // 0, 0, 1024, 738
    struct Case {
        CRect stored;
        CRect opened;
    };
    const Case cases[] = {
        {{50, 50, 150, 150}, {50, 50, 150, 150}},                               // the default
        {{-20, 700, 80, 800}, {-20, 700, 80, 800}},                             // partly off the screen
        {{50, 50, 50, 50}, {50, 50, 50 + kMinWindowSide, 50 + kMinWindowSide}}, // no size
        {{300, 300, 100, 100}, {300, 300, 300 + kMinWindowSide, 300 + kMinWindowSide}}, // turned over
        {{-5000, -5000, -4000, -4000}, {0, 0, 1000, 738}},                              // far off the screen
        {{3000, 100, 3200, 300}, {1024 - 200, 100, 1024, 300}},                         // right of it
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, area},                                   // huge
        {{INT_MAX, INT_MAX, INT_MIN, INT_MIN},
         {area.right - kMinWindowSide, area.bottom - kMinWindowSide, area.right, area.bottom}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceableWindowRect(c.stored, area), c.opened)
            << c.stored.left << "," << c.stored.top << "," << c.stored.right << "," << c.stored.bottom;
    }
    // A work area smaller than a window still gets one of the smallest size.
    EXPECT_EQ(PlaceableWindowRect({10, 10, 20, 20}, {0, 0, 0, 0}),
              (CRect{0, 0, kMinWindowSide, kMinWindowSide}));

    StartWith({{"3D", 1}, {"linksW", INT_MIN}, {"obenW", 5}, {"rechtsW", INT_MIN}, {"untenW", 0}});
    StartCountdown("1");
    EXPECT_EQ(Wnd().GetWindowRect(), (CRect{0, 5, kMinWindowSide, 5 + kMinWindowSide}));
    Click(IDC_STOP);
    EXPECT_EQ(Stored(), (CRect{0, 5, kMinWindowSide, 5 + kMinWindowSide})); // the place it really had
}

TEST_F(Timer3DWindowTest, ClosingTheWindowKeepsItsPlaceOnlyInTheWindowedMode) {
    StartWith({{"3D", 1}});
    StartCountdown("1");
    Wnd().SetWindowPos(true, 300, 200); // the user moves it
    Click(IDC_STOP);
    EXPECT_FALSE(Shows(Window::Timer3D));
    EXPECT_EQ(Stored(), (CRect{300, 200, 400, 300}));
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "linksW", 0), 300);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "untenW", 0), 300);
}

TEST_F(Timer3DWindowTest, WithoutA640x480ModeTheFullScreenIsAPopupOnTheUnchangedDesktop) {
    StartWith({{"3D", 1}, {"Full", 1}, {"linksW", 10}, {"obenW", 20}, {"rechtsW", 30}, {"untenW", 40}});
    env->display.modes = {kDesktop, {24, 800, 600}, {32, 640, 480}, {8, 640, 480}};
    env->modal.ExpectMessageBox();
    StartCountdown("1");
    ExpectStopBox(kNotSupported, "Initialization Error");
    C3DTimerWnd& wnd = Wnd();
    EXPECT_EQ(wnd.m_bFullscreen, 1);
    EXPECT_EQ(wnd.GetWindowRect(), kPopup);
    EXPECT_EQ(wnd.GetClientRect(), kPopup);
    EXPECT_FALSE(KindOf(wnd).caption);
    EXPECT_TRUE(KindOf(wnd).topmost);
    EXPECT_FALSE(KindOf(wnd).taskBarButton);
    EXPECT_EQ(env->display.cursorCount, -1); // hidden
    EXPECT_TRUE(env->display.changes.empty());

    Click(IDC_STOP);
    EXPECT_EQ(env->display.cursorCount, 0);
    EXPECT_FALSE(env->display.changedTo.has_value());
    EXPECT_EQ(Stored(), (CRect{10, 20, 30, 40})); // the full screen keeps no place
}

TEST_F(Timer3DWindowTest, TheFirst640x480ModeOf16Or24BitsIsTakenAndGivenBackOnClosing) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->display.modes = {kDesktop, {32, 640, 480}, k640x480x24, k640x480x16};
    StartCountdown("1");
    ASSERT_TRUE(env->display.changedTo.has_value());
    EXPECT_TRUE(Same(*env->display.changedTo, k640x480x24));
    EXPECT_TRUE(env->modal.messageBoxes.empty());
    Click(IDC_STOP);
    EXPECT_FALSE(env->display.changedTo.has_value());
    EXPECT_EQ(env->display.cursorCount, 0);

    env->display.modes = {kDesktop, k640x480x16, k640x480x24};
    Click(IDC_START);
    ASSERT_TRUE(env->display.changedTo.has_value());
    EXPECT_TRUE(Same(*env->display.changedTo, k640x480x16));
}

TEST_F(Timer3DWindowTest, EachRefusedModeChangeSaysWhyWithTheStopSign) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->display.modes = {kDesktop, k640x480x24};
    struct Case {
        int result;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {DISP_CHANGE_RESTART, "You must change your desktop to 16/24bit color (Hicolor) and then restart",
         "Win95/non-16bit color Init Error"},
        {DISP_CHANGE_BADMODE, "The video mode 640x480x65536/16.7M is not supported", "Initialization Error"},
        {DISP_CHANGE_FAILED, "Hardware failed to change to 640x480x65536/16.7M", "Initialization Error"},
    };
    for (const Case& c : cases) {
        env->display.changeResult = c.result;
        env->modal.ExpectMessageBox();
        StartCountdown("1");
        ExpectStopBox(c.text, c.caption);
        EXPECT_EQ(Wnd().GetWindowRect(), kPopup);
        EXPECT_EQ(env->display.cursorCount, -1);
        Click(IDC_STOP);
        EXPECT_EQ(env->display.cursorCount, 0);
    }
    // Any other refusal goes without a word.
    env->display.changeResult = -3;
    const size_t boxes = env->modal.messageBoxes.size();
    StartCountdown("1");
    EXPECT_EQ(env->modal.messageBoxes.size(), boxes);
    EXPECT_EQ(Wnd().m_bFullscreen, 1);
}

TEST_F(Timer3DWindowTest, AnyKeySwitchesBetweenTheWindowAndTheFullScreen) {
    StartWith({{"3D", 1}, {"linksW", 100}, {"obenW", 110}, {"rechtsW", 420}, {"untenW", 350}});
    env->display.modes = {kDesktop, k640x480x24};
    StartCountdown("1");
    C3DTimerWnd& wnd = Wnd();
    const CRect windowed{100, 110, 420, 350};

    PressKey(wnd, Key::Escape);
    EXPECT_EQ(wnd.m_bFullscreen, 1);
    EXPECT_EQ(wnd.GetWindowRect(), kPopup);
    EXPECT_FALSE(KindOf(wnd).caption);
    EXPECT_TRUE(KindOf(wnd).topmost);
    EXPECT_TRUE(KindOf(wnd).taskBarButton); // the full screen is no tool window
    EXPECT_EQ(env->display.cursorCount, -1);
    ASSERT_TRUE(env->display.changedTo.has_value());

    // The pointer does nothing, also in the full screen.
    MovePointer(wnd, CPoint{300, 200});
    EXPECT_EQ(wnd.m_bFullscreen, 1);
    EXPECT_EQ(wnd.GetWindowRect(), kPopup);
    EXPECT_EQ(env->display.changes.size(), 1u);

    PressKey(wnd, Key::Return);
    EXPECT_EQ(wnd.m_bFullscreen, 0);
    EXPECT_EQ(wnd.GetWindowRect(), windowed);
    EXPECT_TRUE(KindOf(wnd).caption);
    EXPECT_FALSE(KindOf(wnd).maximizeBox); // back with a caption and a sizing frame only
    EXPECT_FALSE(KindOf(wnd).taskBarButton);
    EXPECT_EQ(env->display.cursorCount, 0);
    EXPECT_FALSE(env->display.changedTo.has_value());
    EXPECT_TRUE(env->modal.messageBoxes.empty());

    // Where the desktop offers no such mode, the window stays as it is.
    env->display.modes = {kDesktop};
    env->modal.ExpectMessageBox();
    PressKey(wnd, Key::Up);
    ExpectStopBox(kNotSupported, "Initialization Error");
    EXPECT_EQ(wnd.m_bFullscreen, 0);
    EXPECT_EQ(wnd.GetWindowRect(), windowed);
    EXPECT_EQ(env->display.cursorCount, 0);
}

TEST_F(Timer3DWindowTest, AKeyLeavesAFullScreenWhoseModeChangeFailed) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->modal.ExpectMessageBox(); // not supported
    StartCountdown("1");
    PressKey(Wnd(), Key::Tab);
    EXPECT_EQ(Wnd().m_bFullscreen, 0);
    EXPECT_EQ(Wnd().GetWindowRect(), (CRect{50, 50, 150, 150}));
    EXPECT_EQ(env->display.cursorCount, 0);
}

TEST_F(Timer3DWindowTest, TheWindowNeverClosesItself) {
    StartWith({{"3D", 1}});
    StartCountdown("1");
    CloseBox(Wnd());
    ProcessDeferredDeletes();
    EXPECT_TRUE(Shows(Window::Timer3D));
    EXPECT_TRUE(Wnd().IsWindowVisible());
}

TEST_F(Timer3DWindowTest, WithoutADeviceContextItSaysFehlerAndStaysUndrawnUntilTheCountdownEnds) {
    env->rendering.offer = FakeRendering::Offer::NoDeviceContext;
    StartWith({{"3D", 1}});
    env->modal.ExpectMessageBox();
    StartCountdown("1");
    ASSERT_EQ(env->modal.messageBoxes.size(), 1u);
    EXPECT_EQ(LastBox().text, "Fehler");
    EXPECT_EQ(LastBox().caption, "Brewdial");
    EXPECT_EQ(LastBox().type, MB_OK);
    ASSERT_TRUE(Shows(Window::Timer3D));
    EXPECT_TRUE(Wnd().IsWindowVisible());
    EXPECT_FALSE(env->clock.IsRunning(Wnd(), C3DTimerWnd::IDT_FRAME));
    Ticks(4);
    EXPECT_EQ(Wnd().GetWindowText(), "3D-Timer (1 minute): 00:01");
    ExpectNotice();
    Ticks(236);
    EXPECT_FALSE(Shows(Window::Timer3D));
}

TEST_F(Timer3DWindowTest, AContextThatCannotBeMadeLeavesTheWindowUndrawnWithoutAWord) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->display.modes = {kDesktop, k640x480x24};
    StartCountdown("1");
    EXPECT_TRUE(env->modal.messageBoxes.empty());
    EXPECT_EQ(env->rendering.depthBitsAsked, (std::vector<int>{16}));
    EXPECT_EQ(env->rendering.liveDeviceContexts, 0); // given back at once
    EXPECT_FALSE(env->clock.IsRunning(Wnd(), C3DTimerWnd::IDT_FRAME));
    PressKey(Wnd(), Key::Escape); // and it still switches
    EXPECT_EQ(Wnd().m_bFullscreen, 0);
    Click(IDC_STOP);
    EXPECT_FALSE(Shows(Window::Timer3D));
}

TEST_F(Timer3DWindowTest, ProgramEndingInTheFullScreenGivesTheDisplayModeBack) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->display.modes = {kDesktop, k640x480x24};
    StartCountdown("1");
    ASSERT_TRUE(env->display.changedTo.has_value());
    Click(IDC_CLOSE); // the Close sequence, as the Exit command and the end signals run it
    EXPECT_TRUE(Ended());
    app->ExitInstance();
    EXPECT_FALSE(env->display.changedTo.has_value());
    EXPECT_EQ(env->display.cursorCount, 0);
}

} // namespace
