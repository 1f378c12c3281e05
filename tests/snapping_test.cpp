// Which moves of the indicator windows are the user's drags: the program's own placement, which
// the window system reports only later, is not one.
#include "indicators/countup_dlg.h"
#include "platform/fake/test_application.h"
#include "platform/fake/user_input.h"
#include "platform/fake/window_manager.h"
#include "tests/run_fixture.h"

namespace {

class SnappingTest : public RunFixture {};

TEST_F(SnappingTest, LedTimerPlacedNearTheTopStaysUntilTheUserDragsIt) {
    StartWith({{"LED-timer", 1}, {"Snap", 1}, {"links", 300}, {"oben", 5}});
    StartCountdown("5");
    MapElsewhereFirst(Led(), 400, 300);
    Advance(1000);
    EXPECT_EQ(Place(Led()), std::make_pair(300, 5));

    DragWindow(Led(), 300, 12);
    EXPECT_EQ(Place(Led()), std::make_pair(300, 12));
    Advance(299); // moves that stop for 250 ms end the drag; the snap follows 50 ms later
    EXPECT_EQ(Place(Led()), std::make_pair(300, 12));
    Advance(1);
    EXPECT_EQ(Place(Led()), std::make_pair(300, 0));

    // The snap is the program's placement too: nothing follows it.
    DeliverWindowSystemEvents();
    Advance(1000);
    EXPECT_FALSE(env->clock.IsRunning(Led(), CLedTimerDlg::IDT_SNAP));
    EXPECT_EQ(Place(Led()), std::make_pair(300, 0));
}

TEST_F(SnappingTest, LedTimerPlacedInABottomCornerStaysThereAlsoWhenItsPlaceIsReportedLate) {
    StartWith({{"LED-timer", 1}, {"Snap", 1}, {"links", 3}, {"oben", 700}});
    StartCountdown("5");
    MapElsewhereFirst(Led(), 400, 300, [&] { Advance(1000); });
    Advance(1000);
    EXPECT_EQ(Place(Led()), std::make_pair(3, 700));
}

TEST_F(SnappingTest, CountupOpenedNearTheTopWaitsForThePointerOrADrag) {
    Profile().WriteProfileInt("Daten", "PosCountX", 500);
    Profile().WriteProfileInt("Daten", "PosCountY", 5);
    Start();
    StartCountup();
    CCountupDlg& window = CountupWindow();
    DeliverWindowSystemEvents();
    Advance(1000);
    EXPECT_EQ(Place(window), std::make_pair(500, 5));
    MovePointer(window, CPoint{2, 2});
    EXPECT_EQ(Place(window), std::make_pair(500, 0));

    Advance(1000);
    DragWindow(window, 200, 15);
    Advance(300);
    EXPECT_EQ(Place(window), std::make_pair(200, 0));
}

} // namespace
