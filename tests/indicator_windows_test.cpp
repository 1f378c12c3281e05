// The LED-Timer and count-up windows on their own: counting, snapping and their places.
#include "indicators/countup_dlg.h"
#include "indicators/snap_to_work_area.h"
#include "platform/fake/user_input.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

namespace {

class IndicatorWindowsTest : public RunFixture {
protected:
    // FixedDisplay's work area: the screen above a 30-pixel task bar.
    const CRect wa{0, 0, 1024, 738};
};

TEST_F(IndicatorWindowsTest, SnapMovesToTheTopEdgeAndTheBottomCornersOnly) {
    StartWith({{"LED-timer", 1}});
    ASSERT_EQ(env->display.workArea, wa);
    StartCountdown("5");
    CWnd& led = Led();
    const int w = led.GetWindowRect().Width();
    const int h = led.GetWindowRect().Height();
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    struct Case {
        int x, y;     // dropped here
        int toX, toY; // and found here
        bool moves;
    };
    const Case cases[] = {
        {300, 10, 300, 0, true}, // near the top
        {300, 19, 300, 0, true},
        {300, 20, 300, 20, false}, // just outside the snap distance
        {wa.right - w - 5, wa.bottom - h - 5, wa.right - w, wa.bottom - h, true}, // bottom right
        {5, wa.bottom - h - 5, 0, wa.bottom - h, true},                           // bottom left
        {400, wa.bottom - h - 5, 400, wa.bottom - h - 5, false}, // bottom, away from the corners
        {5, 300, 5, 300, false},                                 // left edge, away from the bottom
        {wa.right - w - 5, 300, wa.right - w - 5, 300, false},   // right edge, away from the bottom
    };
    for (const Case& c : cases) {
        MoveTo(led, c.x, c.y);
        EXPECT_EQ(SnapToWorkArea(led, wa), c.moves) << c.x << "," << c.y;
        const CRect r = led.GetWindowRect();
        EXPECT_EQ(r.left, c.toX) << c.x << "," << c.y;
        EXPECT_EQ(r.top, c.toY) << c.x << "," << c.y;
        EXPECT_EQ(r.Width(), w);
        EXPECT_EQ(r.Height(), h);
    }
}

TEST_F(IndicatorWindowsTest, LedSnapsFiftyMillisecondsAfterADragOnlyWithSnapOn) {
    StartWith({{"LED-timer", 1}, {"Snap", 1}});
    StartCountdown("5");
    MoveTo(Led(), 300, 12);
    EndUserDrag(Led());
    Advance(49);
    EXPECT_EQ(Led().GetWindowRect().top, 12);
    Advance(1);
    EXPECT_EQ(Led().GetWindowRect().top, 0);
    EXPECT_FALSE(env->clock.IsRunning(Led(), CLedTimerDlg::IDT_SNAP)); // one shot

    Click(IDC_STOP);
    HeldSettings().options.nSnapLed = 0;
    StartCountdown("5");
    MoveTo(Led(), 300, 12);
    EndUserDrag(Led());
    MovePointer(Led(), CPoint{1, 1});
    Advance(1000);
    EXPECT_EQ(Led().GetWindowRect().top, 12);
}

TEST_F(IndicatorWindowsTest, CountupAlwaysSnapsOnMouseMoveAndAfterADrag) {
    Start();
    StartCountup();
    CCountupDlg& window = CountupWindow();
    const int h = window.GetWindowRect().Height();
    MoveTo(window, 3, wa.bottom - h - 8);
    MovePointer(window, CPoint{2, 2});
    EXPECT_EQ(Place(window), std::make_pair(0, wa.bottom - h));

    MoveTo(window, 500, 15);
    EndUserDrag(window);
    Advance(50);
    EXPECT_EQ(Place(window), std::make_pair(500, 0));
    EXPECT_FALSE(env->clock.IsRunning(window, CCountupDlg::IDT_SNAP));
    EXPECT_TRUE(env->clock.IsRunning(window, CCountupDlg::IDT_COUNT));
}

TEST_F(IndicatorWindowsTest, CountupCountsSecondsAndWrapsAfterAHundredHours) {
    Start();
    StartCountup();
    CCountupDlg& window = CountupWindow();
    ASSERT_NE(window.GetDlgItem(IDC_COUNT_TIME), nullptr);
    EXPECT_EQ(window.GetDlgItem(IDC_COUNT_TIME)->GetWindowText(), "00:00:00");
    EXPECT_EQ(window.GetWindowText(), "Count-Up");
    Advance(61 * 1000);
    EXPECT_EQ(window.GetDlgItem(IDC_COUNT_TIME)->GetWindowText(), "00:01:01");
    Advance((100LL * 3600 - 62) * 1000);
    EXPECT_EQ(window.m_strTime, "99:59:59");
    Advance(1000);
    EXPECT_EQ(window.GetDlgItem(IDC_COUNT_TIME)->GetWindowText(), "00:00:00");
    Advance(3600 * 1000);
    EXPECT_EQ(window.m_strTime, "01:00:00");
}

} // namespace
