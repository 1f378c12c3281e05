// The program's icons and bitmaps, and the progress bar drawn in the palette's colours.
#include "platform/widgets/art.h"
#include "platform/widgets/progress_bar.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(Art, EachIconIsMadeOnceAndHandedOnToEveryone) {
    const QIcon first = IconResource(128);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(IconResource(128).cacheKey(), first.cacheKey());
    EXPECT_NE(IconResource(176).cacheKey(), first.cacheKey());
    const QList<QSize> sizes = first.availableSizes();
    for (int size : {16, 22, 32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    EXPECT_TRUE(IconResource(999).isNull());
    EXPECT_EQ(BitmapResource(168).size(), QSize(43, 134));
    EXPECT_TRUE(BitmapResource(999).isNull());
}

TEST(ProgressBar, FillsFromTheLeftInTheHighlightColourOverTheBase) {
    EXPECT_EQ(FilledWidth(100, 0, 300, 150), 50);
    EXPECT_EQ(FilledWidth(100, 0, 300, 0), 0);
    EXPECT_EQ(FilledWidth(100, 0, 300, 301), 100);
    EXPECT_EQ(FilledWidth(100, 5, 5, 5), 0);
    EXPECT_EQ(FilledWidth(300, 0, INT_MAX, INT_MAX / 2), 149); // no overflow in long runs

    ProgressBarWidget bar(nullptr);
    bar.resize(104, 14);
    bar.setRange(0, 300);
    bar.SetValueWithNextPaint(150);
    EXPECT_EQ(bar.value(), 150);
    const QImage half = bar.grab().toImage();
    const QColor highlight = bar.palette().color(QPalette::Highlight);
    const QColor base = bar.palette().color(QPalette::Base);
    EXPECT_EQ(half.pixelColor(3, 7), highlight); // the first block
    EXPECT_EQ(half.pixelColor(53, 7), base);     // just past the middle: the last block is cut there
    EXPECT_EQ(half.pixelColor(101, 7), base);

    bar.SetValueWithNextPaint(300);
    const QImage full = bar.grab().toImage();
    int blocks = 0;
    for (int x = 2; x < 102; ++x) {
        blocks += full.pixelColor(x, 7) == highlight && full.pixelColor(x - 1, 7) != highlight;
    }
    EXPECT_GE(blocks, 10); // blocks with gaps between them, across the whole bar
    EXPECT_EQ(full.pixelColor(100, 7), highlight);
}

} // namespace
