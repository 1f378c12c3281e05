// The windowing platform chosen from what the session offers.
#include "platform/display/windowing_choice.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    WindowingEnvironment env;
    const char* platform;
    bool notice;
    bool error;
};

TEST(WindowingChoice, AnXServerWhenOneAnswersWaylandOnlyWithoutOneAndTheUsersChoiceAlways) {
    const Case cases[] = {
        {"X alone", {"", true, false, false}, "xcb", false, false},
        {"XWayland beside a compositor with the plugin", {"", true, true, true}, "xcb", false, false},
        {"Wayland without X, plugin installed", {"", false, true, true}, "wayland", true, false},
        {"Wayland without X or the plugin", {"", false, true, false}, "", false, true},
        {"no display at all", {"", false, false, true}, "", false, true},
        {"the user's choice, with X there", {"wayland", true, true, true}, "", false, false},
        {"the user's choice, with no display", {"offscreen", false, false, false}, "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowingChoice choice = ChooseWindowing(c.env);
        EXPECT_EQ(choice.platform, c.platform);
        EXPECT_EQ(!choice.notice.empty(), c.notice) << choice.notice;
        EXPECT_EQ(!choice.error.empty(), c.error) << choice.error;
        for (const std::string& line : {choice.notice, choice.error}) {
            EXPECT_EQ(line.find('\n'), std::string::npos) << "one line: " << line;
        }
    }
}

} // namespace
