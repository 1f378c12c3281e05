// Real frames of the 3D-Timer drawn by Mesa in a headless context, looked at pixel by pixel.
#include "gl3d/disk_model.h"
#include "tests/headless_gl_context.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int kSize = 240;

struct Picture {
    std::vector<Rgb8> pixels;
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];

    // The pixel showing a point given in the disk's coordinates, before any spin.
    Rgb8 At(double x, double y, double z) const {
        GLdouble wx = 0, wy = 0, wz = 0;
        gluProject(x, y, z, modelview, projection, viewport, &wx, &wy, &wz);
        const int column = static_cast<int>(wx);
        const int row = kSize - 1 - static_cast<int>(wy);
        EXPECT_TRUE(column >= 0 && column < kSize && row >= 0 && row < kSize) << x << ", " << y;
        return pixels[static_cast<size_t>(row) * kSize + column];
    }
    // The top face of a disk part at an angle and radius.
    Rgb8 Top(double degrees, double radius) const {
        const double r = degrees * 3.14159265358979323846 / 180.0;
        return At(radius * std::sin(r), radius * std::cos(r), 0.25);
    }
};

enum class Hue { Black, Red, Yellow, Green, Other };

Hue HueOf(Rgb8 p) {
    const bool r = p.r > 100, g = p.g > 100;
    const bool r0 = p.r < 40, g0 = p.g < 40, b0 = p.b < 40;
    if (r0 && g0 && b0) {
        return Hue::Black;
    }
    if (r && g0 && b0) {
        return Hue::Red;
    }
    if (r && g && b0) {
        return Hue::Yellow;
    }
    return g && r0 && b0 ? Hue::Green : Hue::Other;
}

DiskModel Model(int type, double remaining, bool light) {
    DiskModel model;
    model.m_nDiskType = type;
    model.m_bLight = light ? 1 : 0;
    model.m_dParts = 20;
    model.m_nSkip = 1;
    model.m_colMulti[0] = RgbColor{0.0, 1.0, 0.0};
    model.m_colMulti[1] = RgbColor{1.0, 1.0, 0.0};
    model.m_colMulti[2] = RgbColor{1.0, 0.0, 0.0};
    model.m_colCurrent = RgbColor{0.0, 1.0, 0.0};
    model.InitScene(kSize, kSize, false);
    model.m_dRemaining = remaining;
    return model;
}

class DiskPixels : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        if (!HeadlessGlContext::Create(kSize, kSize, whyNot)) {
            GTEST_SKIP() << "no headless OpenGL context: " << whyNot;
        }
    }

    // One frame in a context of its own, so that no state is left from another picture.
    static Picture Render(int type, double remaining, bool light) {
        std::string whyNot;
        auto context = HeadlessGlContext::Create(kSize, kSize, whyNot);
        EXPECT_TRUE(context) << whyNot;
        Picture picture{};
        if (!context) {
            picture.pixels.resize(kSize * kSize);
            return picture;
        }
        DiskModel model = Model(type, remaining, light);
        glGetDoublev(GL_MODELVIEW_MATRIX, picture.modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, picture.projection);
        glGetIntegerv(GL_VIEWPORT, picture.viewport);
        model.RenderFrame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        picture.pixels = context->ReadPixels();
        return picture;
    }
};

int Brightness(Rgb8 p) {
    return p.r + p.g + p.b;
}

TEST_F(DiskPixels, FullDiskShowsRedYellowAndGreenByShare) {
    const Picture full = Render(1, 360.0, false);
    // 20 parts of 18 degrees: part 1 red, parts 2-5 yellow, the rest green.
    EXPECT_EQ(HueOf(full.Top(9.0, 1.5)), Hue::Red);
    EXPECT_EQ(HueOf(full.Top(27.0, 1.5)), Hue::Yellow);
    EXPECT_EQ(HueOf(full.Top(81.0, 1.5)), Hue::Yellow);
    EXPECT_EQ(HueOf(full.Top(99.0, 1.5)), Hue::Green);
    EXPECT_EQ(HueOf(full.Top(270.0, 1.5)), Hue::Green);
    EXPECT_EQ(HueOf(full.At(0.0, 0.0, 0.25)), Hue::Black) << "the hole in the middle";
    EXPECT_EQ(HueOf(full.pixels[0]), Hue::Black);
    // Each part darkens towards its inner edge.
    EXPECT_GT(Brightness(full.Top(200.0, 1.9)), Brightness(full.Top(200.0, 1.1)) + 30);

    const Picture half = Render(1, 180.0, false);
    EXPECT_EQ(HueOf(half.Top(90.0, 1.5)), Hue::Yellow);
    EXPECT_EQ(HueOf(half.Top(170.0, 1.5)), Hue::Green);
    EXPECT_EQ(HueOf(half.Top(270.0, 1.5)), Hue::Black) << "the parts after the remaining angle are gone";
}

TEST_F(DiskPixels, NothingIsDrawnWhenNoTimeRemains) {
    for (int type : {1, 2}) {
        const Picture picture = Render(type, 0.0, true);
        for (const Rgb8& p : picture.pixels) {
            ASSERT_EQ(Brightness(p), 0) << "type " << type;
        }
    }
}

TEST_F(DiskPixels, ClockHandPointsAtSixAtHalfTime) {
    const Picture picture = Render(3, 180.0, false);
    EXPECT_EQ(HueOf(picture.At(0.0, -1.0, 0.1)), Hue::Green) << "the shaft";
    EXPECT_EQ(HueOf(picture.At(0.0, -1.6, 0.1)), Hue::Green) << "the tip";
    EXPECT_EQ(HueOf(picture.At(0.0, 1.0, 0.1)), Hue::Black);
    EXPECT_EQ(HueOf(picture.At(-1.0, 0.0, 0.1)), Hue::Black);
    EXPECT_EQ(HueOf(picture.At(0.0, 1.95, 0.05)), Hue::Green) << "the mark at twelve";
    EXPECT_EQ(HueOf(picture.At(1.95, 0.0, 0.05)), Hue::Green) << "the mark at three";

    const Picture start = Render(3, 360.0, false);
    EXPECT_EQ(HueOf(start.At(0.0, 1.0, 0.1)), Hue::Green);
    EXPECT_EQ(HueOf(start.At(0.0, -1.0, 0.1)), Hue::Black);
}

TEST_F(DiskPixels, LightChangesThePicture) {
    const Picture plain = Render(1, 360.0, false);
    const Picture lit = Render(1, 360.0, true);
    size_t changed = 0;
    size_t drawn = 0;
    for (size_t i = 0; i < plain.pixels.size(); ++i) {
        drawn += Brightness(plain.pixels[i]) > 0;
        changed += std::abs(Brightness(plain.pixels[i]) - Brightness(lit.pixels[i])) > 30;
    }
    EXPECT_GT(drawn, plain.pixels.size() / 10);
    EXPECT_GT(changed, drawn / 2);
    // The parts keep their colours through their materials.
    EXPECT_EQ(HueOf(lit.Top(9.0, 1.5)), Hue::Other) << "light washes the red towards white";
    const Rgb8 red = lit.Top(9.0, 1.5);
    EXPECT_GT(red.r, red.g + 40);
    const Rgb8 green = lit.Top(270.0, 1.5);
    EXPECT_GT(green.g, green.r + 40);
}

} // namespace
