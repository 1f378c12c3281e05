// A thousand runs of each kind started and ended leave nothing behind: no window, no widget, no
// timer (and, under LeakSanitizer, no memory).
#include "platform/fake/test_application.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

namespace {

constexpr int kCycles = 1000;

class SoakTest : public RunFixture {
protected:
    void ExpectIdleAsAtStart(const char* after) {
        EXPECT_EQ(Running(), Run::None) << after;
        EXPECT_FALSE(Shows(Window::LedTimer) || Shows(Window::Countup)) << after;
        EXPECT_EQ(env->clock.TimerCount(), 1u) << after << ": only the clock";
        EXPECT_EQ(LiveWidgetCount(), m_widgets) << after;
        EXPECT_EQ(env->tray.tip, "Brewdial") << after;
        EXPECT_EQ(ControlText(IDC_START), "Start Timer") << after;
    }
    int m_widgets = 0;
};

TEST_F(SoakTest, AThousandRunsOfEachKindLeaveNothingBehind) {
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}});
    m_widgets = LiveWidgetCount();

    StartCountdown("3");
    Click(IDC_STOP);
    for (int i = 0; i < kCycles; ++i) {
        Click(IDC_START);
        Ticks(i % 7 + 90); // past a status icon's stage now and then
        Click(IDC_STOP);
    }
    ExpectIdleAsAtStart("countdowns");

    StartRequest request;
    for (int i = 0; i < kCycles; ++i) {
        request.countdownMinutes = i % 5 + 1;
        app->CarryOut(request);
        Ticks(3);
        CommandFromTray(ID_MENU_STOP);
    }
    ExpectIdleAsAtStart("countdowns asked for by later starts");

    env->clock.SetTimeOfDay(8, 0);
    ArmAlarm("9:30");
    Click(IDC_START);
    for (int i = 0; i < kCycles; ++i) {
        Click(IDC_START);
        Advance(1000);
        Click(IDC_START);
    }
    ExpectIdleAsAtStart("alarms");

    StartCountup();
    Click(IDC_STOP);
    for (int i = 0; i < kCycles; ++i) {
        Click(IDC_START);
        Advance(1000 * (i % 3 + 1));
        Click(IDC_STOP);
    }
    ExpectIdleAsAtStart("count-ups");
}

} // namespace
