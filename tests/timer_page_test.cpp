#include "platform/fake/assistive_input.h"
#include "platform/fake/user_input.h"
#include "res/page_controls.h"
#include "tests/page_fixture.h"
#include "ui/timer_page.h"

#include <climits>
#include <string>
#include <utility>

namespace {

class TimerPageTest : public PageFixture {
protected:
    // Which of the seven mode controls are enabled, in the order of the table.
    std::string ModeControls() {
        std::string on;
        for (int id : {IDC_ALARMTIME, IDC_ALARM_AT_LABEL, IDC_24H_LABEL, IDC_MINUTES, IDC_MINUTES_SPIN,
                       IDC_IN_LABEL, IDC_MINUTES_LABEL}) {
            on += Enabled(id) ? '1' : '0';
        }
        return on;
    }
    std::string CheckedRadios() {
        std::string on;
        for (int id : {IDC_MODE_TIME, IDC_MODE_TIMER, IDC_MODE_COUNTUP}) {
            on += Checked(id) ? '1' : '0';
        }
        return on;
    }
    static constexpr const char* kTimeColumn = "1110000";
    static constexpr const char* kTimerColumn = "0001111";
    static constexpr const char* kCountupColumn = "0000000";
};

TEST_F(TimerPageTest, TheStoredModeChoosesTheRadioAndTheEnabledControls) {
    struct Case {
        int mode;
        const char* radios;
        const char* column;
    };
    for (const Case& c : {Case{0, "100", kTimeColumn}, Case{1, "010", kTimerColumn},
                          Case{2, "001", kCountupColumn}, Case{7, "000", kTimeColumn}}) {
        SCOPED_TRACE(c.mode);
        TearDown();
        SetUp();
        Profile().WriteProfileInt("Daten", "Timermode", c.mode);
        Start();
        EXPECT_EQ(CheckedRadios(), c.radios);
        EXPECT_EQ(ModeControls(), c.column);
        EXPECT_TRUE(Enabled(IDC_MODE_TIME) && Enabled(IDC_MODE_COUNTUP) && Enabled(IDC_MESSAGE));
        EXPECT_EQ(Text(IDC_MINUTES), "5");
        EXPECT_EQ(Text(IDC_MESSAGE), "Hier Text eingeben.");
        EXPECT_EQ(Text(IDC_ALARMTIME), "");
    }
}

TEST_F(TimerPageTest, RadioClicksSwitchTheModeControlsAndLeavingStoresTheMode) {
    Start();
    ClickItem(IDC_MODE_TIMER);
    EXPECT_EQ(ModeControls(), kTimerColumn);
    ClickItem(IDC_MODE_COUNTUP);
    EXPECT_EQ(ModeControls(), kCountupColumn);
    EXPECT_EQ(CheckedRadios(), "001");
    ClickItem(IDC_MODE_TIME);
    EXPECT_EQ(ModeControls(), kTimeColumn);
    ClickItem(IDC_MODE_COUNTUP);
    SelectTab(1);
    EXPECT_EQ(HeldSettings().timer.nMode, 2);
}

TEST_F(TimerPageTest, EditsKeepTheirLimitsWhateverIsTypedOrPasted) {
    Profile().WriteProfileInt("Daten", "Timermode", 1);
    Start();
    ReplaceText(Item(IDC_MINUTES), "4a7b9");
    EXPECT_EQ(Text(IDC_MINUTES), "47");
    ReplaceText(Item(IDC_MINUTES), "");
    PasteText(Item(IDC_MINUTES), "x-3,2");
    EXPECT_EQ(Text(IDC_MINUTES), "32");
    PasteText(Item(IDC_MINUTES), "1");
    EXPECT_EQ(Text(IDC_MINUTES), "32");

    const std::string seventy(70, 'm');
    ReplaceText(Item(IDC_MESSAGE), seventy + "x");
    EXPECT_EQ(Text(IDC_MESSAGE), seventy);
    ReplaceText(Item(IDC_MESSAGE), "Tea");
    PasteText(Item(IDC_MESSAGE), std::string(80, 'p'));
    EXPECT_EQ(Text(IDC_MESSAGE).size(), 70u);

    ClickItem(IDC_MODE_TIME);
    TypeText(Item(IDC_ALARMTIME), "07:305");
    EXPECT_EQ(Text(IDC_ALARMTIME), "07:30");
    ReplaceText(Item(IDC_ALARMTIME), "");
    PasteText(Item(IDC_ALARMTIME), "12:345678");
    EXPECT_EQ(Text(IDC_ALARMTIME), "12:34");
}

// A screen reader or an on-screen keyboard puts text in past the keyboard and the clipboard.
TEST_F(TimerPageTest, TextFromAssistiveTechnologyKeepsTheLimitsToo) {
    Profile().WriteProfileInt("Daten", "Timermode", 1);
    Start();
    ASSERT_TRUE(SetTextAccessibly(Item(IDC_MESSAGE), std::string(200, 'a')));
    EXPECT_EQ(Text(IDC_MESSAGE), std::string(70, 'a'));
    ReplaceText(Item(IDC_MESSAGE), "Tee");
    ASSERT_TRUE(InsertTextAccessibly(Item(IDC_MESSAGE), 1, std::string(100, 'b')));
    EXPECT_EQ(Text(IDC_MESSAGE), "T" + std::string(67, 'b') + "ee");
    ASSERT_TRUE(ReplaceTextAccessibly(Item(IDC_MESSAGE), 0, 3, std::string(100, 'c')));
    EXPECT_EQ(Text(IDC_MESSAGE), "ccc" + std::string(65, 'b') + "ee");
    // A character beyond the first 65536 takes two of the 70 places, and is never cut in half.
    ReplaceText(Item(IDC_MESSAGE), std::string(69, 'm'));
    ASSERT_TRUE(InsertTextAccessibly(Item(IDC_MESSAGE), 69, "\xF0\x9F\x8D\xB5"));
    EXPECT_EQ(Text(IDC_MESSAGE), std::string(69, 'm'));

    ASSERT_TRUE(SetTextAccessibly(Item(IDC_MINUTES), "1x234"));
    EXPECT_EQ(Text(IDC_MINUTES), "12");
    ASSERT_TRUE(InsertTextAccessibly(Item(IDC_MINUTES), 1, "9x9"));
    const std::string minutes = Text(IDC_MINUTES);
    EXPECT_EQ(minutes.size(), 2u) << minutes;
    EXPECT_EQ(minutes.find_first_not_of("0123456789"), std::string::npos) << minutes;
    ReplaceText(Item(IDC_MINUTES), "");
    ASSERT_TRUE(ReplaceTextAccessibly(Item(IDC_MINUTES), 0, 0, "7a8b9"));
    EXPECT_EQ(Text(IDC_MINUTES), "78");
}

// Nothing stored is lost by opening the page: a message beyond the edit's limit shows its first
// 70 characters and is kept whole until the user edits it.
TEST_F(TimerPageTest, StoredTextsBeyondTheLimitsAreKeptUntilEdited) {
    Profile().WriteProfileInt("Daten", "Timermode", 1);
    Profile().WriteProfileInt("Daten", "Minuten", 120);
    const std::string longMessage = std::string(70, 'q') + std::string(20, 'r');
    Profile().WriteProfileString("Daten", "Meldungstext", longMessage);
    Start();
    EXPECT_EQ(Text(IDC_MINUTES), "120");
    TypeText(Item(IDC_MINUTES), "4");
    EXPECT_EQ(Text(IDC_MINUTES), "120");
    EXPECT_EQ(Text(IDC_MESSAGE), std::string(70, 'q'));
    TypeText(Item(IDC_MESSAGE), "z");
    EXPECT_EQ(Text(IDC_MESSAGE), std::string(70, 'q'));
    SelectTab(1);
    EXPECT_EQ(HeldSettings().timer.strMinutes, "120");
    EXPECT_EQ(HeldSettings().timer.strMessage, longMessage);

    SelectTab(0);
    EXPECT_EQ(Text(IDC_MESSAGE), std::string(70, 'q'));
    ReplaceText(Item(IDC_MESSAGE), std::string(69, 'q'));
    SelectTab(1);
    EXPECT_EQ(HeldSettings().timer.strMessage, std::string(69, 'q'));
    // Edited back to what was first shown, it is that text now.
    SelectTab(0);
    ReplaceText(Item(IDC_MESSAGE), std::string(70, 'q'));
    SelectTab(1);
    EXPECT_EQ(HeldSettings().timer.strMessage, std::string(70, 'q'));
}

TEST_F(TimerPageTest, UpDownStepsTheMinutesBetween1And25) {
    Profile().WriteProfileInt("Daten", "Timermode", 1);
    Start();
    PressKeyIn(Item(IDC_MINUTES), Key::Up);
    EXPECT_EQ(Text(IDC_MINUTES), "6");
    ReplaceText(Item(IDC_MINUTES), "25");
    PressKeyIn(Item(IDC_MINUTES), Key::Up);
    EXPECT_EQ(Text(IDC_MINUTES), "25");
    ReplaceText(Item(IDC_MINUTES), "1");
    PressKeyIn(Item(IDC_MINUTES), Key::Down);
    EXPECT_EQ(Text(IDC_MINUTES), "1");
    ReplaceText(Item(IDC_MINUTES), "99");
    EXPECT_EQ(Text(IDC_MINUTES), "99");
    PressKeyIn(Item(IDC_MINUTES), Key::Up);
    EXPECT_EQ(Text(IDC_MINUTES), "25");
}

TEST_F(TimerPageTest, UpDownHoldsStoredMinutesAtTheEndsOfIntRangeToItsRange) {
    const std::pair<int, Key> cases[] = {
        {INT_MAX, Key::Up}, {INT_MIN, Key::Down}, {INT_MAX, Key::Down}, {INT_MIN, Key::Up}};
    for (const auto& [stored, key] : cases) {
        SCOPED_TRACE(stored);
        TearDown();
        SetUp();
        Profile().WriteProfileInt("Daten", "Timermode", 1);
        Profile().WriteProfileInt("Daten", "Minuten", stored);
        Start();
        EXPECT_EQ(Text(IDC_MINUTES), std::to_string(stored));
        PressKeyIn(Item(IDC_MINUTES), key);
        EXPECT_EQ(Text(IDC_MINUTES), stored == INT_MAX ? "25" : "1");
    }
}

TEST_F(TimerPageTest, ARunningTimerLocksTheInputsAndItsEndFreesThoseOfTheMode) {
    Start();
    ClickItem(IDC_MODE_TIMER);
    Dlg().SaveShownPageForStart(); // as a start reads the page
    Dlg().m_bInactive = false;
    Dlg().RefreshTimerPage();
    for (int id : {IDC_ALARMTIME, IDC_MINUTES, IDC_MINUTES_SPIN, IDC_MODE_TIME, IDC_MODE_TIMER,
                   IDC_MODE_COUNTUP, IDC_MESSAGE}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(IDC_IN_LABEL)); // the labels keep their state
    SelectTab(3);
    SelectTab(0); // a page created during the run starts locked
    EXPECT_FALSE(Enabled(IDC_MINUTES) || Enabled(IDC_MODE_TIMER) || Enabled(IDC_MESSAGE));

    Dlg().m_bInactive = true;
    Dlg().RefreshTimerPage();
    EXPECT_EQ(ModeControls(), kTimerColumn);
    EXPECT_TRUE(Enabled(IDC_MODE_TIME) && Enabled(IDC_MESSAGE));

    ClickItem(IDC_MODE_COUNTUP); // not read yet: the page still counts as Timer
    Dlg().RefreshTimerPage();
    EXPECT_TRUE(Enabled(IDC_MINUTES));
}

TEST_F(TimerPageTest, ReloadShowsTheSettingsModeAndMinutesOverUnreadTyping) {
    Start();
    ReplaceText(Item(IDC_MESSAGE), "typed");
    HeldSettings().timer.nMode = 1;
    HeldSettings().timer.strMinutes = "3";
    Dlg().m_pTimerPage->ReloadModeAndMinutes();
    EXPECT_EQ(CheckedRadios(), "010");
    EXPECT_EQ(Text(IDC_MINUTES), "3");
    EXPECT_EQ(Text(IDC_MESSAGE), "Hier Text eingeben.");
}

} // namespace
