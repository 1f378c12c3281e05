// The tray as the program's main handle: its popup menu in every run state, the quick timers,
// "Stop Timer", "Pause", "Countup", the double-click, and the main dialog's visibility.
#include "indicators/countup_dlg.h"
#include "platform/fake/user_input.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <string>
#include <vector>

namespace {

class TrayControlTest : public RunFixture {
protected:
    // Right-clicks the tray icon and notes the popup's items; the menu is dismissed. The popup
    // opens where the pointer is: a tray host that asks for the menu says where, and the desktop
    // reports that place as the pointer's, which moves a little between two clicks here.
    std::vector<PopupMenuItem> OpenPopup() {
        std::vector<PopupMenuItem> shown;
        env->modal.ExpectPopup([&](const std::vector<PopupMenuItem>& items) {
            shown = items;
            return 0u;
        });
        env->display.cursor = CPoint{env->display.cursor.x - 7, env->display.cursor.y + 3};
        env->tray.Click(WM_RBUTTONDOWN);
        const std::vector<CPoint>& places = env->modal.popupPlaces;
        if (places.empty() || places.back().x != env->display.cursor.x ||
            places.back().y != env->display.cursor.y) {
            ADD_FAILURE() << "the popup did not open at the pointer's place";
        }
        return shown;
    }
    // Right-clicks the tray icon and picks the item with the given command.
    void ChooseFromPopup(UINT command) {
        env->modal.ExpectPopup([command](const std::vector<PopupMenuItem>& items) {
            for (const PopupMenuItem& item : items) {
                if (item.id == command) {
                    EXPECT_FALSE(item.grayed) << command;
                    return item.grayed ? 0u : command;
                }
            }
            ADD_FAILURE() << "no item " << command;
            return 0u;
        });
        env->tray.Click(WM_RBUTTONDOWN);
    }
    // The texts of the popup's items, separators as "-", a greyed item in brackets.
    static std::string Describe(const std::vector<PopupMenuItem>& items) {
        std::string out;
        for (const PopupMenuItem& item : items) {
            const std::string text = item.id == 0 ? "-" : item.grayed ? "[" + item.text + "]" : item.text;
            out += (out.empty() ? "" : "|") + text;
        }
        return out;
    }
    std::string Popup() {
        const std::string shown = Describe(OpenPopup());
        // A host that shows the item's own menu gets the same items.
        EXPECT_EQ(Describe(env->tray.ExportedMenu()), shown);
        return shown;
    }
};

const std::string kIdleMenu = "1 Minute|3 Minuten|5 Minuten|-|Stop Timer|[Pause]|Countup|-|Maximize|Exit";
const std::string kRunningMenu = "1 Minute|3 Minuten|5 Minuten|-|Stop Timer|Pause|Countup|-|Maximize|Exit";
const std::string kPausedMenu = "1 Minute|3 Minuten|5 Minuten|-|Stop Timer|Resume|Countup|-|Maximize|Exit";

TEST_F(TrayControlTest, ThePopupFollowsTheRunStateEveryTimeItOpens) {
    env->clock.SetTimeOfDay(8, 0);
    Start();
    EXPECT_EQ(Popup(), kIdleMenu);
    ArmAlarm("9:00");
    EXPECT_EQ(Popup(), kIdleMenu); // an alarm at a time of day cannot pause
    ChooseFromPopup(ID_MENU_STOP);
    EXPECT_NE(Running(), Run::Alarm);

    StartCountdown("5");
    EXPECT_EQ(Popup(), kRunningMenu);
    ChooseFromPopup(ID_MENU_PAUSE);
    EXPECT_TRUE(Paused());
    EXPECT_EQ(Popup(), kPausedMenu);
    ChooseFromPopup(ID_MENU_PAUSE); // "Resume"
    EXPECT_FALSE(Paused());
    EXPECT_EQ(StatusText(1), "Timer active");

    ChooseFromPopup(ID_MENU_COUNTUP);
    EXPECT_EQ(Popup(), kRunningMenu);
    ChooseFromPopup(ID_MENU_PAUSE);
    EXPECT_EQ(Popup(), kPausedMenu);
    ChooseFromPopup(ID_MENU_STOP);
    EXPECT_EQ(Popup(), kIdleMenu);
    // The menu is the English one; the German submenu of the resource never shows.
    EXPECT_EQ(Popup().find("Beenden"), std::string::npos);
}

TEST_F(TrayControlTest, AStatusNotifierHostsMenuCarriesTheCommandsAndItsClickIsTheDoubleClick) {
    StartWith({{"Start", 1}});
    EXPECT_FALSE(Dlg().IsWindowVisible());
    env->tray.ChooseFromExportedMenu(ID_QUICKTIMER1);
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    EXPECT_EQ(Describe(env->tray.ExportedMenu()), kRunningMenu);
    env->tray.ChooseFromExportedMenu(ID_MENU_PAUSE);
    EXPECT_EQ(Describe(env->tray.ExportedMenu()), kPausedMenu);
    env->tray.ChooseFromExportedMenu(ID_MENU_MAXIMIZE);
    EXPECT_TRUE(Dlg().IsWindowVisible());
}

// In the popup of a right-click and in the menu a StatusNotifierItem host shows by itself (asked
// for at every tray update), listing the menu keeps the edits on the page; choosing starts them.
TEST_F(TrayControlTest, UnsavedCaptionsOfTheShownMenuPageShowInThePopupAndTheirMinutesStart) {
    for (const bool exported : {false, true}) {
        SCOPED_TRACE(exported ? "exported menu" : "popup");
        TearDown();
        SetUp();
        Start();
        SelectTab(3);
        CDialog& page = Page();
        ReplaceText(*page.GetDlgItem(IDC_MENU2_TEXT), "Tee");
        ReplaceText(*page.GetDlgItem(IDC_MENU2_MINUTES), "4");
        const std::string shown = exported ? Describe(env->tray.ExportedMenu()) : Popup();
        EXPECT_EQ(shown, "1 Minute|Tee|5 Minuten|-|Stop Timer|[Pause]|Countup|-|Maximize|Exit");
        EXPECT_EQ(HeldSettings().menu.strMenuText[1], "3 Minuten");
        exported ? env->tray.ChooseFromExportedMenu(ID_QUICKTIMER2) : ChooseFromPopup(ID_QUICKTIMER2);
        EXPECT_EQ(env->tray.tip, "Timer set to: 4 minutes");
        EXPECT_EQ(HeldSettings().menu.strMenuText[1], "Tee");
    }
}

TEST_F(TrayControlTest, AQuickTimerReplacesWhateverRunsWithAFreshUnpausedCountdown) {
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}});
    ChooseFromPopup(ID_QUICKTIMER1); // from idle
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    EXPECT_EQ(CountdownTicks(), 240);

    Advance(30 * 1000);
    ChooseFromPopup(ID_QUICKTIMER3); // over a running countdown: its windows reopen, full time
    EXPECT_EQ(TicksCounted(), 0);
    EXPECT_EQ(CountdownTicks(), 5 * 240);
    ASSERT_TRUE(Shows(Window::LedTimer));
    // A new window (the old one's address may well be reused): its clock starts again.
    EXPECT_EQ(Led().m_nElapsedSec, 0);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 5 minutes");
    EXPECT_EQ(BarPosition(Led().m_progress), 0);
    EXPECT_EQ(env->tray.icon, IDI_STAGE1);
    EXPECT_EQ(env->tray.tip, "Timer set to: 5 minutes");

    ChooseFromPopup(ID_MENU_PAUSE);
    ChooseFromPopup(ID_QUICKTIMER2); // over a paused run: unpaused
    EXPECT_FALSE(Paused());
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    Ticks(3);
    EXPECT_EQ(TicksCounted(), 3);

    ChooseFromPopup(ID_MENU_COUNTUP);
    ASSERT_EQ(Running(), Run::Countup);
    ChooseFromPopup(ID_QUICKTIMER1); // over a count-up: its window closes
    EXPECT_NE(Running(), Run::Countup);
    EXPECT_FALSE(Shows(Window::Countup));
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(ControlText(IDC_START), "Stop Timer");
    EXPECT_TRUE(RunButtons());
}

TEST_F(TrayControlTest, AQuickTimerShowsOnTheTimerPageAndIsWhatCloseStores) {
    Start();
    ChooseFromPopup(ID_QUICKTIMER2);
    CDialog& page = Page();
    EXPECT_EQ(page.IsDlgButtonChecked(IDC_MODE_TIMER), 1u);
    EXPECT_EQ(page.GetDlgItem(IDC_MINUTES)->GetWindowText(), "3");
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Timermode", -1), 1);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 3);
}

TEST_F(TrayControlTest, AQuickTimerOfNoMinutesIsRefusedAsMissingTime) {
    for (const char* minutes : {"0", "abc", ""}) {
        SCOPED_TRACE(minutes);
        TearDown();
        SetUp();
        Profile().WriteProfileString("Daten", "Menu1I", minutes);
        Start();
        env->modal.ExpectPopup([](const std::vector<PopupMenuItem>&) { return ID_QUICKTIMER1; });
        env->modal.ExpectMessageBox();
        env->tray.Click(WM_RBUTTONDOWN);
        ASSERT_EQ(env->modal.messageBoxes.size(), 1u);
        EXPECT_EQ(env->modal.messageBoxes[0].text, "Missing Time!");
        EXPECT_EQ(env->modal.messageBoxes[0].caption, "Hinweis");
        EXPECT_NE(Running(), Run::Countdown);
        EXPECT_TRUE(TimerPageOpen());
    }
}

TEST_F(TrayControlTest, CountupAlwaysStartsAFreshCountUpWhateverRan) {
    StartWith({{"LED-timer", 1}});
    StartCountdown("5");
    ChooseFromPopup(ID_MENU_COUNTUP);
    EXPECT_NE(Running(), Run::Countdown);
    EXPECT_FALSE(Shows(Window::LedTimer));
    ASSERT_EQ(Running(), Run::Countup);
    EXPECT_EQ(Page().IsDlgButtonChecked(IDC_MODE_COUNTUP), 1u);
    Advance(5000);
    EXPECT_EQ(CountupTime(), "00:00:05");

    ChooseFromPopup(ID_MENU_COUNTUP);
    ASSERT_EQ(Running(), Run::Countup);
    EXPECT_EQ(CountupTime(), "00:00:00");
    Advance(1000);
    EXPECT_EQ(CountupTime(), "00:00:01");
    EXPECT_EQ(HeldSettings().timer.nMode, 2);
}

TEST_F(TrayControlTest, StopTimerEndsEveryKindOfRunAndKeepsOnlyTheLedTimersPlace) {
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}});
    StartCountdown("1");
    MoveTo(Led(), 333, 222);
    ChooseFromPopup(ID_MENU_PAUSE);
    Advance(5000);
    const int ticks = TicksCounted();
    ChooseFromPopup(ID_MENU_STOP); // a paused run
    EXPECT_FALSE(Running() == Run::Countdown || Paused() || Shows(Window::LedTimer) || TrayShowsProgress());
    EXPECT_EQ(TicksCounted(), ticks); // left as it was
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_TRUE(IdleButtons());
    EXPECT_EQ(env->clock.TimerCount(), 1u);
    StartCountdown("1");
    EXPECT_EQ(Place(Led()), std::make_pair(333, 222)); // the place was kept for this run
    ChooseFromPopup(ID_MENU_STOP);

    ChooseFromPopup(ID_MENU_COUNTUP);
    MoveTo(CountupWindow(), 444, 111);
    ChooseFromPopup(ID_MENU_STOP);
    EXPECT_NE(Running(), Run::Countup);
    EXPECT_FALSE(Shows(Window::Countup));
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "PosCountX", -1), -1); // not written

    const size_t trayCalls = env->tray.calls.size();
    ChooseFromPopup(ID_MENU_STOP); // nothing runs: nothing happens
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
}

TEST_F(TrayControlTest, TheDoubleClickRestoresOrRunsTheStartCommandAsTheStartPageSays) {
    StartWith({{"Start", 1}});
    EXPECT_FALSE(Dlg().IsWindowVisible());
    DoubleClickTray();
    EXPECT_TRUE(Dlg().IsWindowVisible());

    TearDown();
    SetUp();
    StartWith({{"Start", 1}, {"Iconmode", 1}, {"Timermode", 1}, {"Minuten", 2}});
    DoubleClickTray();
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 2 minutes");
    DoubleClickTray(); // the Start command's toggle ends it
    EXPECT_NE(Running(), Run::Countdown);
    EXPECT_FALSE(Dlg().IsWindowVisible());

    TearDown();
    SetUp();
    StartWith({{"Start", 1}, {"Iconmode", 2}});
    DoubleClickTray(); // another stored value: nothing
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_TRUE(TimerPageOpen());
}

TEST_F(TrayControlTest, TheCloseBoxHidesAndKeepsAnEditedMinutesValueForTheNextRun) {
    StartWith({{"Iconmode", 1}, {"Timermode", 1}});
    ReplaceText(*Page().GetDlgItem(IDC_MINUTES), "7");
    CloseBox(Dlg());
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_TRUE(env->tray.present);
    DoubleClickTray();
    EXPECT_EQ(env->tray.tip, "Timer set to: 7 minutes");
    Advance(60 * 1000);
    EXPECT_EQ(TicksCounted(), 240); // the countdown goes on while hidden
}

TEST_F(TrayControlTest, ThePopupWorksInsideTheNoticeAndItsRunGoesOn) {
    StartWith({{"Ende", 1}});
    StartCountdown("1");
    ExpectNotice([&](CDialog&) {
        EXPECT_EQ(Popup(), kIdleMenu); // the run ended before the notice opened
        ChooseFromPopup(ID_QUICKTIMER1);
    });
    Advance(60 * 1000);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
}

TEST_F(TrayControlTest, ARightClickWhileThePopupIsOpenOpensNoSecondOne) {
    Start();
    env->modal.ExpectPopup([&](const std::vector<PopupMenuItem>&) {
        env->tray.Click(WM_RBUTTONDOWN); // would need a second scripted popup
        return ID_QUICKTIMER1;
    });
    env->tray.Click(WM_RBUTTONDOWN);
    EXPECT_EQ(Running(), Run::Countdown);
}

TEST_F(TrayControlTest, ExitWhileAPageHasADialogOpenEndsTheProgramSafely) {
    Profile().WriteProfileInt("Daten", "Sound", 1);
    Start();
    SelectTab(1);
    env->modal.ExpectOpenFile("/tmp/gong.wav", [&] { CommandFromTray(ID_MENU_EXIT); });
    ClickButton(*Page().GetDlgItem(IDC_BROWSE_SOUND));
    EXPECT_TRUE(Ended());
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Sound", -1), 1); // what the page showed

    TearDown();
    SetUp();
    Start();
    SelectTab(1);
    env->system.openGl = false; // gone since the page opened: ticking "3D-Timer" warns
    env->modal.ExpectMessageBox(IDOK, [&] { CommandFromTray(ID_MENU_EXIT); });
    ClickButton(*Page().GetDlgItem(IDC_3D_TIMER));
    EXPECT_TRUE(Ended());

    TearDown();
    SetUp();
    Start();
    SelectTab(4);
    env->modal.ExpectDialog(IDD_COLORS, [&](CDialog& colours) {
        CommandFromTray(ID_MENU_EXIT);
        PressKey(colours, Key::Escape);
    });
    ClickButton(*Page().GetDlgItem(IDC_COLOR));
    EXPECT_TRUE(Ended());
}

} // namespace
