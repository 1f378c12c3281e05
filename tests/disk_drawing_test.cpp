// What the 3D-Timer draws, checked call by call through a recording sink.
#include "gl3d/disk_model.h"
#include "tests/recording_sink.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const RgbColor kRed{1.0, 0.0, 0.0};
const RgbColor kYellow{1.0, 1.0, 0.0};
const RgbColor kGreen{0.0, 1.0, 0.0};
const RgbColor kBlue{0.0, 0.0, 1.0};

DiskModel Disk(int type, double parts) {
    DiskModel model;
    model.m_nDiskType = type;
    model.m_dParts = parts;
    model.m_nSkip = 1;
    model.m_colMulti[0] = kGreen;
    model.m_colMulti[1] = kYellow;
    model.m_colMulti[2] = kRed;
    model.m_colCurrent = kBlue;
    model.m_colSecMin[0] = kGreen;
    model.m_colSecMin[1] = kRed;
    return model;
}

RecordingSink Render(DiskModel& model) {
    RecordingSink sink;
    model.RenderFrame(sink);
    EXPECT_EQ(sink.Depth(), 0) << "every pushed matrix is popped";
    return sink;
}

// The 1-based index of a disk part by its start angle.
int PartIndex(const DrawnPrism& part, double step) {
    return static_cast<int>(std::lround(AngleOf(part.corners[0]) / step)) + 1;
}

std::vector<int> PartIndexes(const RecordingSink& sink, double step) {
    std::vector<int> indexes;
    for (const DrawnPrism& p : sink.Prisms()) {
        indexes.push_back(PartIndex(p, step));
    }
    return indexes;
}

size_t PrismCount(DiskModel model) {
    return Render(model).Prisms().size();
}

TEST(DiskDrawing, PartsAreColouredByTheirShareOfTheDisk) {
    DiskModel twenty = Disk(1, 20);
    const RecordingSink sink = Render(twenty);
    EXPECT_EQ(twenty.m_bMultiColour, 1);
    ASSERT_EQ(sink.Prisms().size(), 20u);
    for (const DrawnPrism& part : sink.Prisms()) {
        const int i = PartIndex(part, 18.0);
        SCOPED_TRACE(i);
        const RgbColor expected = i == 1 ? kRed : i <= 5 ? kYellow : kGreen;
        EXPECT_EQ(part.colour, expected);
        EXPECT_EQ(part.ambient, expected);
        // Inner radius 1, outer 2, 0.5 thick, centred on z = 0; the corners at the part's angles.
        EXPECT_NEAR(RadiusOf(part.corners[0]), 1.0, 1e-12);
        EXPECT_NEAR(RadiusOf(part.corners[1]), 2.0, 1e-12);
        EXPECT_NEAR(RadiusOf(part.corners[2]), 2.0, 1e-12);
        EXPECT_NEAR(RadiusOf(part.corners[3]), 1.0, 1e-12);
        EXPECT_NEAR(AngleOf(part.corners[1]), 18.0 * (i - 1), 1e-9);
        EXPECT_NEAR(AngleOf(part.corners[2]), std::fmod(18.0 * i, 360.0), 1e-9);
        EXPECT_NEAR(AngleOf(part.corners[3]), std::fmod(18.0 * i, 360.0), 1e-9);
        EXPECT_EQ(part.h, 0.5);
        EXPECT_EQ(part.zOffset, -0.25);
    }
    EXPECT_EQ(twenty.m_colCurrent, kGreen) << "the colour of the last part drawn";

    DiskModel ten = Disk(1, 10);
    const RecordingSink tenParts = Render(ten);
    ASSERT_EQ(tenParts.Prisms().size(), 10u);
    for (const DrawnPrism& part : tenParts.Prisms()) {
        const int i = PartIndex(part, 36.0);
        SCOPED_TRACE(i);
        EXPECT_EQ(part.colour, i <= 2 ? kYellow : kGreen) << "a share of 10 is not below 10";
    }
}

TEST(DiskDrawing, OneColourDiskDrawsEveryPartInTheCurrentColour) {
    DiskModel model = Disk(2, 12);
    const RecordingSink sink = Render(model);
    EXPECT_EQ(model.m_bMultiColour, 0);
    ASSERT_EQ(sink.Prisms().size(), 12u);
    for (const DrawnPrism& part : sink.Prisms()) {
        EXPECT_EQ(part.colour, kBlue);
        EXPECT_EQ(part.ambient, kBlue);
        EXPECT_EQ(part.diffuse, (RgbColor{0.4, 0.4, 0.4}));
    }
}

TEST(DiskDrawing, PartsAreDrawnWhileThePartBeforeEndsBelowTheRemainingAngle) {
    for (auto [remaining, parts] : {std::pair{360.0, 12u}, std::pair{100.0, 4u}, std::pair{90.0, 3u},
                                    std::pair{30.5, 2u}, std::pair{30.0, 1u}, std::pair{0.001, 1u},
                                    std::pair{0.0, 0u}, std::pair{-5.0, 0u}, std::pair{1e9, 12u}}) {
        SCOPED_TRACE(remaining);
        for (int type : {1, 2}) {
            DiskModel model = Disk(type, 12);
            model.m_dRemaining = remaining;
            const RecordingSink sink = Render(model);
            EXPECT_EQ(sink.Prisms().size(), parts);
            for (size_t k = 0; k < sink.Prisms().size(); ++k) {
                EXPECT_EQ(PartIndex(sink.Prisms()[k], 30.0), static_cast<int>(k) + 1);
            }
        }
    }
    DiskModel unknown = Disk(1, 12);
    unknown.m_dRemaining = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(PrismCount(unknown), 0u);
}

TEST(DiskDrawing, SkipStepsOverParts) {
    DiskModel model = Disk(1, 12);
    model.m_nSkip = 2;
    EXPECT_EQ(PartIndexes(Render(model), 30.0), (std::vector<int>{1, 3, 5, 7, 9, 11}));
    // Part 3 comes as soon as part 1 ends below the remaining angle.
    model.m_dRemaining = 30.5;
    EXPECT_EQ(PartIndexes(Render(model), 30.0), (std::vector<int>{1, 3}));
    model.m_dRemaining = 30.0;
    EXPECT_EQ(PartIndexes(Render(model), 30.0), (std::vector<int>{1}));
    // A share counts by the part's index, not by how many parts were drawn.
    model.m_dRemaining = 360.0;
    model.m_nSkip = 5;
    const RecordingSink sink = Render(model);
    EXPECT_EQ(PartIndexes(sink, 30.0), (std::vector<int>{1, 6, 11}));
    EXPECT_EQ(sink.Prisms()[1].colour, kGreen);

    for (int skip : {0, -3, INT_MIN}) {
        SCOPED_TRACE(skip);
        model.m_nSkip = skip;
        EXPECT_EQ(PartIndexes(Render(model), 30.0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}))
            << "a skip below 1 counts as 1";
    }
    model.m_nSkip = INT_MAX;
    model.m_dParts = 1e9;
    EXPECT_EQ(PartIndexes(Render(model), 1.0), (std::vector<int>{1}));
}

TEST(DiskDrawing, StoredPartsOutsideTheUsableRange) {
    for (double parts : {0.0, 0.99, -4.0, -1e300, std::numeric_limits<double>::quiet_NaN(),
                         -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(parts);
        for (int type : {1, 2}) {
            DiskModel model = Disk(type, parts);
            const RecordingSink sink = Render(model);
            EXPECT_TRUE(sink.Prisms().empty());
            EXPECT_EQ(sink.Ops().size(), 5u) << "clear and the disk's material, nothing more";
        }
    }
    // A hand-edited profile's huge count is drawn as one part a degree.
    for (double parts : {361.0, 1e9, 1e300, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(parts);
        DiskModel model = Disk(1, parts);
        const RecordingSink sink = Render(model);
        ASSERT_EQ(sink.Prisms().size(), 360u);
        EXPECT_NEAR(AngleOf(sink.Prisms()[359].corners[1]), 359.0, 1e-9);
        EXPECT_EQ(sink.Prisms()[34].colour, kRed);
        EXPECT_EQ(sink.Prisms()[35].colour, kYellow);
        EXPECT_EQ(sink.Prisms()[106].colour, kYellow);
        EXPECT_EQ(sink.Prisms()[107].colour, kGreen);
    }
    DiskModel quarter = Disk(2, 360);
    quarter.m_dRemaining = 90.0;
    EXPECT_EQ(PrismCount(quarter), 90u);
    DiskModel fraction = Disk(2, 2.5);
    EXPECT_EQ(PrismCount(fraction), 2u) << "parts 1 and 2 of 2.5, each 144 degrees";
}

TEST(DiskDrawing, ColoursAreKeptWithinRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    DiskModel model = Disk(1, 20);
    model.m_colMulti[0] = RgbColor{nan, -1.0, 5.0};
    model.m_colMulti[2] = RgbColor{-std::numeric_limits<double>::infinity(), 0.5, 2.0};
    model.m_colCurrent = RgbColor{nan, nan, nan};
    const RecordingSink sink = Render(model);
    ASSERT_EQ(sink.Prisms().size(), 20u);
    EXPECT_EQ(sink.Prisms()[0].colour, (RgbColor{0.0, 0.5, 1.0}));
    EXPECT_EQ(sink.Prisms()[19].colour, (RgbColor{0.0, 0.0, 1.0}));
    EXPECT_EQ(sink.Prisms()[19].ambient, (RgbColor{0.0, 0.0, 1.0}));
    for (const RecordedOp& op : sink.Ops()) {
        if (op.kind == OpKind::Material) {
            EXPECT_EQ(op.alpha, 1.0);
            for (double c : {op.colour.red, op.colour.green, op.colour.blue}) {
                EXPECT_TRUE(c >= 0.0 && c <= 1.0) << c;
            }
        }
    }
}

TEST(DiskDrawing, UnknownDiskTypesDrawNothing) {
    for (int type : {0, 5, -1, INT_MAX}) {
        SCOPED_TRACE(type);
        DiskModel model = Disk(type, 20);
        const RecordingSink sink = Render(model);
        ASSERT_EQ(sink.Ops().size(), 1u);
        EXPECT_EQ(sink.Ops()[0].kind, OpKind::Clear);
    }
}

TEST(DiskDrawing, SpinsTurnOneDegreeAboutXThenYThenZBeforeDrawing) {
    DiskModel model = Disk(3, 20);
    model.m_bSpinX = model.m_bSpinY = model.m_bSpinZ = 1;
    const RecordingSink sink = Render(model);
    ASSERT_GE(sink.Ops().size(), 5u);
    EXPECT_EQ(sink.Ops()[0].kind, OpKind::Clear);
    const std::array<double, 4> axes[3] = {{1.0, 1.0, 0.0, 0.0}, {1.0, 0.0, 1.0, 0.0}, {1.0, 0.0, 0.0, 1.0}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(sink.Ops()[1 + k].kind, OpKind::Rotate);
        EXPECT_EQ(sink.Ops()[1 + k].numbers, axes[k]);
    }
    EXPECT_EQ(sink.Ops()[4].kind, OpKind::Push) << "the spins are not undone";

    model.m_bSpinX = model.m_bSpinZ = 0;
    const RecordingSink onlyY = Render(model);
    EXPECT_EQ(onlyY.Ops()[1].numbers, axes[1]);
    EXPECT_EQ(onlyY.Ops()[2].kind, OpKind::Push);
}

TEST(DiskDrawing, ClockFaceHasEightMarksAndAHandAtTheRemainingAngle) {
    DiskModel model = Disk(3, 20);
    model.m_dRemaining = 180.0;
    const RecordingSink sink = Render(model);
    ASSERT_EQ(sink.Prisms().size(), 10u);
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const DrawnPrism& mark = sink.Prisms()[k];
        EXPECT_NEAR(AngleOf(mark.corners[1]), std::fmod(45.0 * k - 3.0 + 360.0, 360.0), 1e-9);
        EXPECT_NEAR(AngleOf(mark.corners[2]), 45.0 * k + 3.0, 1e-9);
        EXPECT_NEAR(RadiusOf(mark.corners[0]), 1.9, 1e-12);
        EXPECT_NEAR(RadiusOf(mark.corners[2]), 2.0, 1e-12);
        EXPECT_EQ(mark.h, 0.1);
        EXPECT_EQ(mark.zOffset, -0.05);
        EXPECT_EQ(mark.colour, kBlue);
        EXPECT_EQ(mark.ambient, (RgbColor{0.5, 0.5, 0.5}));
        EXPECT_EQ(mark.turn, 0.0);
    }
    const DrawnPrism& shaft = sink.Prisms()[8];
    const DrawnPrism& tip = sink.Prisms()[9];
    EXPECT_FALSE(shaft.triangular);
    EXPECT_EQ(shaft.corners[0].x, -0.05);
    EXPECT_EQ(shaft.corners[1].y, 1.5);
    EXPECT_EQ(shaft.corners[3].x, 0.05);
    EXPECT_EQ(shaft.h, 0.2);
    EXPECT_TRUE(tip.triangular);
    EXPECT_EQ(tip.corners[1].y, 1.8);
    for (const DrawnPrism* part : {&shaft, &tip}) {
        EXPECT_EQ(part->turn, -180.0);
        EXPECT_EQ(part->zOffset, -0.1);
        EXPECT_EQ(part->ambient, (RgbColor{0.5, 0.0, 0.0}));
        EXPECT_EQ(part->diffuse, (RgbColor{0.5, 0.0, 0.0}));
    }

    model.m_dRemaining = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Render(model).Prisms()[8].turn, 0.0) << "an unknown angle shows twelve o'clock";
}

struct RingCounts {
    size_t seconds = 0;
    size_t minutes = 0;
    double minuteStep = 0.0;
};

RingCounts Rings(DiskModel model) {
    model.m_nDiskType = 4;
    RingCounts counts;
    const RecordingSink sink = Render(model);
    for (const DrawnPrism& p : sink.Prisms()) {
        const double outer = RadiusOf(p.corners[1]);
        if (std::abs(outer - 2.0) < 1e-9) {
            EXPECT_NEAR(RadiusOf(p.corners[0]), 1.8, 1e-12);
            EXPECT_NEAR(AngleOf(p.corners[1]), 6.0 * counts.seconds, 1e-9);
            EXPECT_NEAR(AngleOf(p.corners[2]), 6.0 * counts.seconds + 3.0, 1e-9);
            EXPECT_EQ(p.colour, kGreen);
            EXPECT_EQ(p.ambient, kGreen);
            ++counts.seconds;
        } else {
            EXPECT_NEAR(outer, 1.7, 1e-12);
            EXPECT_NEAR(RadiusOf(p.corners[0]), 1.5, 1e-12);
            counts.minuteStep = std::fmod(AngleOf(p.corners[2]) - AngleOf(p.corners[1]) + 360.0, 360.0);
            EXPECT_EQ(p.colour, kRed);
            EXPECT_EQ(p.ambient, kRed);
            ++counts.minutes;
        }
        EXPECT_EQ(p.h, 0.5);
        EXPECT_EQ(p.zOffset, -0.25);
    }
    return counts;
}

TEST(DiskDrawing, LedRingsShowSecondsLeftInTheMinuteAndMinutesStillToCome) {
    DiskModel fiveMinutes = Disk(4, 20);
    fiveMinutes.m_nMinutes = 5;
    RingCounts start = Rings(fiveMinutes);
    EXPECT_EQ(start.seconds, 60u);
    EXPECT_EQ(start.minutes, 4u);
    EXPECT_NEAR(start.minuteStep, 18.0, 1e-9) << "20 steps to a turn";
    fiveMinutes.m_nElapsedMin = 4;
    fiveMinutes.m_nElapsedSec = 59;
    RingCounts last = Rings(fiveMinutes);
    EXPECT_EQ(last.seconds, 1u);
    EXPECT_EQ(last.minutes, 0u);

    struct Case {
        int minutes;
        double stepsPerTurn;
    };
    for (Case c : {Case{9, 20}, Case{10, 40}, Case{19, 40}, Case{20, 60}, Case{30, 80}, Case{40, 120},
                   Case{60, 120}, Case{61, 198}}) {
        SCOPED_TRACE(c.minutes);
        DiskModel model = Disk(4, 20);
        model.m_nMinutes = c.minutes;
        const RingCounts counts = Rings(model);
        EXPECT_EQ(counts.minutes, static_cast<size_t>(c.minutes - 1));
        EXPECT_NEAR(counts.minuteStep, 360.0 / c.stepsPerTurn, 1e-9);
    }
}

TEST(DiskDrawing, LedRingsStayWithinOneTurnForAnyCounters) {
    struct Case {
        int minutes, elapsedMin, elapsedSec;
        size_t seconds, minuteSegments;
    };
    for (Case c : {Case{101, 0, 0, 60, 99}, Case{INT_MAX, INT_MIN, INT_MIN, 60, 99}, Case{0, 0, 0, 60, 0},
                   Case{-7, 0, 0, 60, 0}, Case{INT_MIN, INT_MAX, INT_MAX, 0, 0}, Case{5, 9, 60, 0, 0},
                   Case{5, -3, -10, 60, 7}}) {
        SCOPED_TRACE(::testing::Message() << c.minutes << " " << c.elapsedMin << " " << c.elapsedSec);
        DiskModel model = Disk(4, 20);
        model.m_nMinutes = c.minutes;
        model.m_nElapsedMin = c.elapsedMin;
        model.m_nElapsedSec = c.elapsedSec;
        const RingCounts counts = Rings(model);
        EXPECT_EQ(counts.seconds, c.seconds);
        EXPECT_EQ(counts.minutes, c.minuteSegments);
    }
}

} // namespace
