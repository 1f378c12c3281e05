// The 3D-Timer window drawing real frames with Mesa in a headless context, on its own frame timer.
#include "gl3d/timer_3d_wnd.h"
#include "platform/fake/user_input.h"
#include "res/resource.h"
#include "tests/headless_rendering.h"
#include "tests/run_fixture.h"

#include <algorithm>

namespace {

struct Hues {
    int red = 0;
    int yellow = 0;
    int green = 0;
    int other = 0; // neither black nor one of the three
};

Hues Count(const std::vector<Rgb8>& pixels) {
    Hues h;
    for (const Rgb8& p : pixels) {
        const bool r = p.r > 100;
        const bool g = p.g > 100;
        if (p.r < 40 && p.g < 40 && p.b < 40) {
            continue;
        }
        if (r && g && p.b < 60) {
            ++h.yellow;
        } else if (r && p.g < 60 && p.b < 60) {
            ++h.red;
        } else if (g && p.r < 60 && p.b < 60) {
            ++h.green;
        } else {
            ++h.other;
        }
    }
    return h;
}

// The rows from the first to the last that show anything but black.
std::pair<int, int> DrawnRows(const HeadlessRendering& gl) {
    int first = gl.height;
    int last = -1;
    for (int y = 0; y < gl.height; ++y) {
        for (int x = 0; x < gl.width; ++x) {
            const Rgb8 p = gl.shown[static_cast<size_t>(y) * gl.width + x];
            if (p.r > 20 || p.g > 20 || p.b > 20) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
        }
    }
    return {first, last};
}

class Timer3DPixelsTest : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        std::string whyNot;
        if (!HeadlessGlContext::Create(8, 8, whyNot)) {
            GTEST_SKIP() << "no headless OpenGL context: " << whyNot;
        }
        // The program as before, with OpenGL drawing into the headless context.
        services =
            std::make_unique<Services>(Services{env->clock, env->clock, env->modal, env->tray, env->sound,
                                                env->display, env->Profile(), env->system, gl});
        app = std::make_unique<CTimerApp>(*services, env->loop);
    }

    C3DTimerWnd& Wnd() { return Timer3DWindow(); }

    HeadlessRendering gl;
    std::unique_ptr<Services> services;
};

TEST_F(Timer3DPixelsTest, FramesShowTheDiskShrinkingToItsRedPart) {
    Profile().WriteProfileString("Daten", "Parts", "20");
    StartWith({{"3D", 1}, {"linksW", 0}, {"obenW", 0}, {"rechtsW", 244}, {"untenW", 244}});
    StartCountdown("1");
    ASSERT_TRUE(env->clock.IsRunning(Wnd(), C3DTimerWnd::IDT_FRAME));
    EXPECT_EQ(gl.swaps, 0);
    Advance(49);
    EXPECT_EQ(gl.swaps, 0);
    Advance(1);
    ASSERT_EQ(gl.swaps, 1);
    EXPECT_EQ(gl.width, Wnd().GetClientRect().Width());
    const Hues full = Count(gl.shown);
    EXPECT_GT(full.red, 50);
    EXPECT_GT(full.yellow, 2 * full.red);
    EXPECT_GT(full.green, 2 * full.yellow);

    Advance(239 * 250 - 50); // the last tick before the alarm: 1.5 degrees left, part 1 alone
    const Hues last = Count(gl.shown);
    EXPECT_GT(last.red, 50);
    EXPECT_EQ(last.yellow, 0);
    EXPECT_EQ(last.green, 0);
    EXPECT_GT(gl.swaps, 1000);
}

TEST_F(Timer3DPixelsTest, TheDiskSpinsFrameByFrameOnlyAboutItsChosenAxes) {
    StartWith({{"3D", 1}, {"linksW", 0}, {"obenW", 0}, {"rechtsW", 204}, {"untenW", 204}});
    StartCountdown("1");
    Advance(50);
    const std::vector<Rgb8> first = gl.shown;
    Advance(50);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), gl.shown.begin(), [](Rgb8 a, Rgb8 b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    })) << "no spin: the same frame again";
    Click(IDC_STOP);

    HeldSettings().disk3D.nSpinY = 1;
    Click(IDC_START);
    Advance(50);
    const std::vector<Rgb8> before = gl.shown;
    Advance(50);
    EXPECT_FALSE(std::equal(before.begin(), before.end(), gl.shown.begin(), [](Rgb8 a, Rgb8 b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    })) << "spinning about y";
}

TEST_F(Timer3DPixelsTest, TheFullScreenDrawsInTheMiddleOfTheScreenAndAWindowInItsClientArea) {
    StartWith({{"3D", 1}, {"Full", 1}});
    env->display.modes = {{24, 1024, 768}, {24, 640, 480}};
    StartCountdown("1");
    Advance(50);
    ASSERT_EQ(gl.width, 640);
    ASSERT_EQ(gl.height, 480);
    // The viewport is 480x440 at (80, 40) from the bottom: its middle is row 220 from the top.
    const auto [first, last] = DrawnRows(gl);
    EXPECT_NEAR((first + last) / 2.0, 220.0, 1.5);
    EXPECT_GT(last - first, 200);

    // Back in the window the viewport is its client area, here the bottom left of the
    // framebuffer made for the full screen.
    PressKey(Wnd(), Key::Escape);
    const CRect client = Wnd().GetClientRect();
    ASSERT_LT(client.Height(), 200);
    Advance(50);
    const auto [top, bottom] = DrawnRows(gl);
    EXPECT_GE(top, gl.height - client.Height());
    EXPECT_NEAR((top + bottom) / 2.0, gl.height - client.Height() / 2.0, 1.5);

    PressKey(Wnd(), Key::Escape); // and back to the full screen
    Advance(50);
    const auto [again, againLast] = DrawnRows(gl);
    EXPECT_NEAR((again + againLast) / 2.0, 220.0, 1.5);
}

} // namespace
