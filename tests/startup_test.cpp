#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "tests/app_fixture.h"
#include "tray/tool_tip.h"

#include <cstdio>

namespace {

class StartupTest : public AppFixture {};

TEST_F(StartupTest, FirstRunShowsTheDialogWithTrayIconStatusBarAndTabs) {
    env->clock.SetTimeOfDay(7, 5, 30);
    Start();
    EXPECT_TRUE(Dlg().IsWindowVisible());
    EXPECT_EQ(Dlg().GetWindowText(), "Brewdial");

    EXPECT_TRUE(env->tray.present);
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(env->tray.callbackMessage, WM_TRAYNOTIFY);
    EXPECT_EQ(env->tray.id, kTrayIconId);
    EXPECT_EQ(app->RegistryKey(), "Quorvane");

    EXPECT_EQ(StatusText(0), "7:05");
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_TRUE(env->clock.IsMinuteTimer(Dlg(), IDT_CLOCK)); // the clock wakes at 7:06:00
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 30 * 1000);

    EXPECT_EQ(TabTexts(Tabs()),
              (std::vector<std::string>{"Timer", "Options", "Start/Tray", "Menu", "3D Options"}));
    EXPECT_EQ(Tabs().GetCurSel(), 0);

    EXPECT_TRUE(ControlVisible(IDC_START));
    EXPECT_TRUE(ControlVisible(IDC_CLOSE));
    EXPECT_FALSE(ControlVisible(IDC_PAUSE));
    EXPECT_FALSE(ControlVisible(IDC_STOP));
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");

    env->modal.ExpectPopup([](const std::vector<PopupMenuItem>& items) {
        EXPECT_EQ(items.size(), 2u);
        if (items.size() == 2) {
            EXPECT_EQ(items[0].id, 0u); // separator
            EXPECT_EQ(items[1].id, IDM_ABOUTBOX);
            EXPECT_EQ(items[1].text, "Inf&o über Brewdial...");
        }
        return 0u; // dismissed
    });
    RightClick(Dlg(), CPoint{1, 1}); // the system menu, on the dialog's background

    EXPECT_TRUE(TimerPageOpen());
    EXPECT_EQ(Running(), Run::None);
    EXPECT_FALSE(Paused());
}

TEST_F(StartupTest, StartMinimizedOptionsKeepTheDialogHidden) {
    for (const char* key : {"Start", "startstay"}) {
        TearDown();
        SetUp();
        Profile().WriteProfileInt("Daten", key, 1);
        Start();
        EXPECT_FALSE(Dlg().IsWindowVisible()) << key;
        EXPECT_TRUE(env->tray.present) << key;
    }
}

TEST_F(StartupTest, StatusBarClockFollowsTheLocalClock) {
    env->clock.SetTimeOfDay(13, 44, 59);
    Start();
    EXPECT_EQ(StatusText(0), "13:44");
    Advance(1000);
    EXPECT_EQ(StatusText(0), "13:45");
    env->clock.SetTimeOfDay(23, 59, 59);
    Advance(1000);
    EXPECT_EQ(StatusText(0), "0:00");
    EXPECT_EQ(ClockText(7, 5), "7:05");
    EXPECT_EQ(ClockText(12, 30), "12:30");
}

TEST_F(StartupTest, CloseButtonRemovesTheTrayIconBeforeWritingEveryDefault) {
    Start();
    bool profileEmptyWhenIconRemoved = false;
    env->tray.onNotify = [&](DWORD message) {
        if (message == NIM_DELETE) {
            profileEmptyWhenIconRemoved = ReopenProfile()->GetProfileInt("Daten", "Timermode", -1) == -1;
        }
    };
    Click(IDC_CLOSE);
    EXPECT_TRUE(profileEmptyWhenIconRemoved);
    EXPECT_FALSE(env->tray.present);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(env->loop.quitCode, 0);
    EXPECT_FALSE(Dlg().IsCreated());

    auto written = ReopenProfile();
    EXPECT_EQ(written->GetProfileInt("Daten", "Timermode", -1), 0);
    EXPECT_EQ(written->GetProfileInt("Daten", "Minuten", -1), 5);
    EXPECT_EQ(written->GetProfileString("Daten", "Meldungstext", ""), "Hier Text eingeben.");
    EXPECT_EQ(written->GetProfileInt("Daten", "MCD2", -1), 65535);
    EXPECT_EQ(written->GetProfileInt("Daten", "rechtsW", -1), 150);
    EXPECT_EQ(written->GetProfileString("Daten", "Menu2S", ""), "3 Minuten");
    EXPECT_EQ(written->GetProfileInt("Daten", "PosCountX", -1), -1); // the count-up window's own keys
}

TEST_F(StartupTest, EnterAndTheExitCommandEndTheProgramLikeClose) {
    Start();
    PressKey(Dlg(), Key::Return);
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(env->tray.present);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Type", -1), 1);

    TearDown();
    SetUp();
    Start();
    CommandFromTray(ID_MENU_EXIT);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", "Skip", ""), "1");
}

TEST_F(StartupTest, CloseBoxAndEscapeOnlyHideTheDialog) {
    Start();
    CloseBox(Dlg());
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_FALSE(Ended());

    Dlg().ShowWindow(SW_SHOW);
    PressKey(Dlg(), Key::Escape);
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(env->tray.present);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Timermode", -1), -1); // nothing written
}

TEST_F(StartupTest, StoredSettingsSurviveARestart) {
    Profile().WriteProfileInt("Daten", "Timermode", 1);
    Profile().WriteProfileInt("Daten", "Minuten", 7);
    Profile().WriteProfileInt("Daten", "SMD1", 0x2133FF00 & 0xFFFFFF);
    Profile().WriteProfileString("Daten", "Soundwav", "/tmp/a b.wav");
    Profile().WriteProfileInt("Daten", "links", 640);
    Start();
    EXPECT_EQ(HeldSettings().timer.strMinutes, "7");
    EXPECT_EQ(HeldSettings().nLedLeft, 640);
    Click(IDC_CLOSE);

    auto written = ReopenProfile();
    EXPECT_EQ(written->GetProfileInt("Daten", "Timermode", -1), 1);
    EXPECT_EQ(written->GetProfileInt("Daten", "Minuten", -1), 7);
    EXPECT_EQ(written->GetProfileInt("Daten", "SMD1", -1), 0x33FF00);
    EXPECT_EQ(written->GetProfileString("Daten", "Soundwav", ""), "/tmp/a b.wav");
    EXPECT_EQ(written->GetProfileInt("Daten", "links", -1), 640);
}

TEST(ToolTip, IsCutTo63CharactersNeverInsideACharacter) {
    const std::string ascii(80, 'x');
    EXPECT_EQ(CutToolTip(ascii), std::string(63, 'x'));
    EXPECT_EQ(CutToolTip("Brewdial"), "Brewdial");
    std::string umlauts;
    for (int i = 0; i < 70; ++i) {
        umlauts += "\xc3\xbc"; // ü
    }
    const std::string cut = CutToolTip(umlauts);
    EXPECT_EQ(cut.size(), 126u);
    EXPECT_EQ(cut, umlauts.substr(0, 126));
    EXPECT_EQ(CutToolTip(std::string(63, 'y')), std::string(63, 'y'));
}

} // namespace

namespace {

TEST(StartupFailure, AnUnwritableProfileIsReportedAtClose) {
    TempFolder dir;
    const std::string blocker = dir.FilePath("not-a-folder");
    FILE* f = std::fopen(blocker.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    FakeEnvironment env(blocker + "/brewdial.conf");
    CTimerApp app(env.GetServices(), env.loop);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_pTimerDlg->m_settings.timer.strMessage, "Hier Text eingeben.");

    ::testing::internal::CaptureStderr();
    app.m_pTimerDlg->ShowWindow(SW_SHOW);
    ClickButton(*app.m_pTimerDlg->GetDlgItem(IDC_CLOSE));
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("could not be written"), std::string::npos);
    EXPECT_TRUE(app.MainWindowGone());
    app.ExitInstance();
}

} // namespace
