// "use Fullscreen" on the Options page as it opens, for each value "3D-Timer" may hold.
#include "res/page_controls.h"
#include "tests/page_fixture.h"

#include <utility>

namespace {

// The stored "3D" value and whether "use Fullscreen" opens enabled.
class FullscreenOnOpeningTest : public PageFixture,
                                public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(FullscreenOnOpeningTest, OnlyTheTwoValuesOfTheBoxDecide) {
    const auto [stored, enabled] = GetParam();
    Profile().WriteProfileInt("Daten", "3D", stored);
    Start();
    SelectTab(1);
    EXPECT_EQ(Enabled(IDC_FULLSCREEN), enabled);
}

// Any other value leaves the template's state: enabled.
INSTANTIATE_TEST_SUITE_P(Stored3D, FullscreenOnOpeningTest,
                         ::testing::Values(std::make_pair(0, false), std::make_pair(1, true),
                                           std::make_pair(2, true), std::make_pair(-1, true)));

} // namespace
