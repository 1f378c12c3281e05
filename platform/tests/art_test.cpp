// The program's icons and bitmaps.
#include "platform/qt/widgets.h"

#include <QIcon>
#include <QPixmap>

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

} // namespace
