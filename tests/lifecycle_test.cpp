// The program's life on the desktop: what its command line and later starts ask of it, the
// end of the session, and a start with no tray to sit in.
#include "brewdial_version.h"
#include "engine/countdown_length.h"
#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/page_fixture.h"
#include "tests/run_fixture.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

StartRequest Countdown(int minutes, bool show = false) {
    StartRequest r;
    r.countdownMinutes = minutes;
    r.show = show;
    return r;
}

StartRequest Quick(int number) {
    StartRequest r;
    r.quickTimer = number;
    return r;
}

StartRequest Show() {
    StartRequest r;
    r.show = true;
    return r;
}

class LifecycleTest : public RunFixture {
protected:
    size_t TrayDeletes() const {
        size_t n = 0;
        for (const TrayCall& call : env->tray.calls) {
            n += call.message == NIM_DELETE;
        }
        return n;
    }
};

TEST_F(LifecycleTest, ACountdownAskedForStartsAsAQuickTimerDoes) {
    StartWith({{"LED-timer", 1}});
    app->CarryOut(Countdown(25));
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(CountdownTicks(), 25 * 240);
    EXPECT_EQ(env->tray.tip, "Timer set to: 25 minutes");
    EXPECT_EQ(ControlText(IDC_START), "Stop Timer");
    EXPECT_TRUE(Shows(Window::LedTimer));
    EXPECT_EQ(app->m_strQuickMinutes, "25");
    // What runs is replaced, as by a quick timer.
    app->CarryOut(Countdown(1));
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    EXPECT_EQ(TicksCounted(), 0);
    ExpectNotice();
    Advance(60 * 1000);
    EXPECT_NE(Running(), Run::Countdown);
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Timermode", -1), 1);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 1);
}

TEST_F(LifecycleTest, TheLongestCountdownIsTheOneTheStartCommandTakes) {
    Start();
    app->CarryOut(Countdown(kMaxCountdownMinutes));
    EXPECT_EQ(Running(), Run::Countdown);
    // Were the limit above the Start command's, the run would be cut short.
    EXPECT_EQ(CountdownTicks(), static_cast<long long>(kMaxCountdownMinutes) * 240);
    EXPECT_GT(CountdownTicks(), INT_MAX - 240);
}

TEST_F(LifecycleTest, AQuickTimerAskedForIsTheTrayMenusItem) {
    Profile().WriteProfileString("Daten", "Menu2I", "12");
    Start();
    StartCountup();
    app->CarryOut(Quick(2));
    EXPECT_NE(Running(), Run::Countup);
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 12 minutes");
    EXPECT_EQ(HeldSettings().timer.strMinutes, "12");
    app->CarryOut(Quick(1));
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    app->CarryOut(Quick(3));
    EXPECT_EQ(env->tray.tip, "Timer set to: 5 minutes");
}

TEST_F(LifecycleTest, ShowBringsUpTheDialogAfterTheRunStarts) {
    StartWith({{"Start", 1}, {"Ausblenden", 1}});
    EXPECT_FALSE(Dlg().IsWindowVisible());
    app->CarryOut(Show());
    EXPECT_TRUE(Dlg().IsWindowVisible());
    // "minimize after timer start" hides the dialog, and the request shows it again.
    app->CarryOut(Countdown(3, true));
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_TRUE(Dlg().IsWindowVisible());
    app->CarryOut(Countdown(4));
    EXPECT_FALSE(Dlg().IsWindowVisible());
}

TEST_F(LifecycleTest, ARequestForNothingChangesNothing) {
    StartWith({{"Start", 1}});
    const size_t trayCalls = env->tray.calls.size();
    app->CarryOut(StartRequest{});
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_EQ(Running(), Run::None);
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
}

TEST_F(LifecycleTest, RequestsWaitUntilTheModalLoopInFrontHasReturned) {
    StartWith({{"LED-timer", 1}});
    StartCountdown("1");
    // The notice of the alarm is open: the new run starts once it is closed, not inside it.
    ExpectNotice([&](CDialog&) {
        app->CarryOut(Countdown(2));
        EXPECT_TRUE(RunSettled()) << "carried out inside the notice";
    });
    Advance(60 * 1000);
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 2 minutes");
    EXPECT_TRUE(Shows(Window::LedTimer));

    // The about box is open: requests merge, the last run wins and "show" is kept.
    env->modal.ExpectDialog(IDD_ABOUTBOX, [&](CDialog& about) {
        Dlg().ShowWindow(SW_HIDE);
        app->CarryOut(Countdown(7, true));
        app->CarryOut(Show());
        app->CarryOut(Countdown(8));
        EXPECT_EQ(env->tray.tip, "Timer set to: 2 minutes");
        ClickButton(*about.GetDlgItem(IDOK));
    });
    SystemCommand(Dlg(), IDM_ABOUTBOX);
    EXPECT_EQ(env->tray.tip, "Timer set to: 8 minutes");
    EXPECT_TRUE(Dlg().IsWindowVisible());
}

TEST_F(LifecycleTest, ManyLaterStartsDuringOneBoxOpenOneBoxAfterIt) {
    Profile().WriteProfileString("Daten", "Menu1I", "0");
    Start();
    // "Missing Time!" of the tray's quick timer with no minutes is open; twenty starts ask for it.
    int boxesOpen = 0;
    int mostOpen = 0;
    const auto box = [&](std::function<void()> whileOpen) {
        env->modal.ExpectMessageBox(IDOK, [&, whileOpen] {
            mostOpen = std::max(mostOpen, ++boxesOpen);
            if (whileOpen) {
                whileOpen();
            }
            --boxesOpen;
        });
    };
    env->modal.ExpectPopup([](const std::vector<PopupMenuItem>&) { return ID_QUICKTIMER1; });
    box([&] {
        for (int i = 0; i < 20; ++i) {
            app->CarryOut(Quick(1));
        }
    });
    box({});
    env->tray.Click(WM_RBUTTONDOWN);
    EXPECT_EQ(env->modal.messageBoxes.size(), 2u);
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(env->modal.Pending(), 0u);
    EXPECT_NE(Running(), Run::Countdown);
    app->CarryOut(Countdown(3));
    EXPECT_EQ(Running(), Run::Countdown) << "the program goes on";
}

TEST_F(LifecycleTest, RequestsAfterTheEndFindNothingToDo) {
    Start();
    Click(IDC_CLOSE);
    const size_t trayCalls = env->tray.calls.size();
    app->CarryOut(Countdown(5, true));
    app->CarryOut(Quick(1));
    app->OnSessionEnd();
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 5);
}

TEST_F(LifecycleTest, TheSessionsEndRunsTheCloseSequenceOnce) {
    StartWith({{"LED-timer", 1}});
    app->CarryOut(Countdown(9));
    EditTimerInput([](TimerSettings& timer) { timer.strMessage = "Tee!"; });
    app->OnSessionEnd();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(env->loop.quitCode, 0);
    EXPECT_FALSE(env->tray.present);
    EXPECT_FALSE(Dlg().IsCreated());
    EXPECT_FALSE(Shows(Window::LedTimer));
    EXPECT_EQ(env->clock.TimerCount(), 0u) << "windows destroyed, their timers with them";
    auto written = ReopenProfile();
    EXPECT_EQ(written->GetProfileInt("Daten", "Minuten", -1), 9);
    EXPECT_EQ(written->GetProfileString("Daten", "Meldungstext", ""), "Tee!");

    // A second signal finds the program ended: nothing is written again.
    std::remove(profilePath.c_str());
    app->OnSessionEnd();
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), -1);
    EXPECT_EQ(TrayDeletes(), 1u);
}

TEST_F(LifecycleTest, WithNoTrayHostTheDialogShowsAndSaysWhy) {
    struct Case {
        int startMinimized;
        int startStayMinimized;
        const char* says;
    };
    for (const Case& c : {Case{1, 0, "no system tray to start minimized in"},
                          Case{0, 1, "no system tray to start minimized in"},
                          Case{0, 0, "no system tray; the tray icon appears"}}) {
        TearDown();
        SetUp();
        env->tray.hostAvailable = false;
        ::testing::internal::CaptureStderr();
        StartWith({{"Start", c.startMinimized}, {"startstay", c.startStayMinimized}});
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Dlg().IsWindowVisible()) << c.says;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        Click(IDC_CLOSE);
        EXPECT_EQ(TrayDeletes(), 1u) << "the icon is still asked for, for a tray that comes later";
    }
    // With a tray host nothing is said and "start minimized" holds.
    TearDown();
    SetUp();
    ::testing::internal::CaptureStderr();
    StartWith({{"Start", 1}, {"startstay", 0}});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(Dlg().IsWindowVisible());
}

TEST(AboutBox, ShowsTheProgramsOneVersion) {
    const DialogTemplate& about = BrewdialResources().dialogs.at(IDD_ABOUTBOX);
    const std::string line = std::string("Brewdial, Version ") + kBrewdialVersion;
    EXPECT_TRUE(std::any_of(about.controls.begin(), about.controls.end(), [&](const ControlTemplate& c) {
        return c.text == line;
    })) << line;
}

class LifecyclePageTest : public PageFixture {};

TEST_F(LifecyclePageTest, ARunAskedForWhileThePagesColourDialogIsOpen) {
    Start();
    SelectTab(4);
    env->modal.ExpectDialog(IDD_COLORS, [&](CDialog& colours) {
        app->CarryOut(Countdown(2, true));
        PressKey(colours, Key::Escape);
    });
    ClickItem(IDC_COLOR);
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(ShownPageTemplate(), IDD_3DOPTIONSPAGE);
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 2);
}

} // namespace
