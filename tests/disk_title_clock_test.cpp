// The 3D-Timer's title clock, the remaining angle of each tick and the perspective's aspect.
#include "gl3d/disk_model.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(DiskTitleClock, OneMinuteCountdownCountsTheTitleUpOnceASecond) {
    DiskModel model;
    model.m_strTitle = "3D-Timer (1 minute)";
    const int total = 240;
    double before = 360.0;
    for (int tick = 1; tick <= total; ++tick) {
        SCOPED_TRACE(tick);
        model.m_dRemaining = RemainingAngle(tick, total);
        EXPECT_NEAR(before - model.m_dRemaining, 1.5, 1e-9);
        before = model.m_dRemaining;
        EXPECT_EQ(model.UpdateTimeText(), tick % 4 == 0);
        if (tick == 3) {
            EXPECT_EQ(model.m_strText, "");
        }
        if (tick == 4) {
            EXPECT_EQ(model.m_strText, "3D-Timer (1 minute): 00:01");
        }
        if (tick == 59 * 4) {
            EXPECT_EQ(model.m_strText, "3D-Timer (1 minute): 00:59");
        }
    }
    EXPECT_EQ(model.m_dRemaining, 0.0);
    EXPECT_EQ(model.m_strText, "3D-Timer (1 minute): 01:00");
    EXPECT_EQ(model.m_nElapsedMin, 1);
    EXPECT_EQ(model.m_nElapsedSec, 0);
    EXPECT_EQ(model.m_nQuarters, 0);
}

TEST(DiskTitleClock, MinutesShowAtLeastTwoDigitsAndNoUpperBound) {
    DiskModel model;
    model.m_strTitle = "T";
    struct Case {
        int min, sec;
        const char* text;
    };
    for (Case c : {Case{9, 58, "T: 09:59"}, Case{9, 59, "T: 10:00"}, Case{99, 59, "T: 100:00"},
                   Case{1234, 5, "T: 1234:06"}}) {
        model.m_nElapsedMin = c.min;
        model.m_nElapsedSec = c.sec;
        model.m_nQuarters = 3;
        EXPECT_TRUE(model.UpdateTimeText());
        EXPECT_EQ(model.m_strText, c.text);
    }
}

TEST(DiskTitleClock, CountersOutOfRangeAreBroughtBack) {
    DiskModel model;
    model.m_strTitle = "T";
    struct Case {
        int quarters, min, sec;
        bool rebuilt;
        const char* text;
    };
    for (Case c :
         {Case{17, 0, 0, true, "T: 00:01"}, Case{-5, 0, 0, false, ""}, Case{3, 2, 75, true, "T: 03:00"},
          Case{3, -4, -3, true, "T: 00:01"}, Case{3, INT_MAX, 59, true, "T: 2147483647:00"}}) {
        SCOPED_TRACE(c.text);
        model.m_strText.clear();
        model.m_nQuarters = c.quarters;
        model.m_nElapsedMin = c.min;
        model.m_nElapsedSec = c.sec;
        EXPECT_EQ(model.UpdateTimeText(), c.rebuilt);
        EXPECT_EQ(model.m_strText, c.text);
        EXPECT_GE(model.m_nQuarters, 0);
        EXPECT_LE(model.m_nQuarters, 3);
    }
}

TEST(DiskTitleClock, RemainingAngleStaysWithinTheTurn) {
    EXPECT_EQ(RemainingAngle(0, 720), 360.0);
    EXPECT_EQ(RemainingAngle(360, 720), 180.0);
    EXPECT_EQ(RemainingAngle(720, 720), 0.0);
    EXPECT_EQ(RemainingAngle(721, 720), 0.0);
    EXPECT_EQ(RemainingAngle(-1, 720), 360.0);
    EXPECT_EQ(RemainingAngle(5, 0), 0.0) << "a countdown of no ticks has nothing left";
    EXPECT_EQ(RemainingAngle(5, -240), 0.0);
    EXPECT_NEAR(RemainingAngle(INT_MAX - 1, INT_MAX), 360.0 / INT_MAX, 1e-12) << "no overflow";
}

TEST(DiskTitleClock, PerspectiveAspectIsTheRealRatio) {
    EXPECT_DOUBLE_EQ(PerspectiveAspect(640, 480), 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(PerspectiveAspect(300, 500), 0.6);
    EXPECT_EQ(PerspectiveAspect(640, 0), 1.0);
    EXPECT_EQ(PerspectiveAspect(0, 0), 1.0);
    EXPECT_EQ(PerspectiveAspect(-3, 200), 1.0);
}

} // namespace
