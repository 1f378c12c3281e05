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

// The fixed state the window's context gets once, checked in a context of its own.
struct SceneCase {
    int width, height;
    bool fullscreen, light;
    GLint viewport[4];
    double aspect;
    double pixelRatio = 1.0; // of a desktop scaled up: the viewport counts the surface's pixels
};

TEST_F(DiskPixels, SceneIsSetUpOnceWithPerspectiveStartOrientationAndLight) {
    for (const SceneCase& c : {SceneCase{300, 200, false, false, {0, 0, 300, 200}, 1.5},
                               SceneCase{640, 480, true, true, {80, 40, 480, 440}, 4.0 / 3.0},
                               SceneCase{300, 0, false, true, {0, 0, 300, 0}, 1.0},
                               SceneCase{150, 100, false, false, {0, 0, 300, 200}, 1.5, 2.0},
                               SceneCase{640, 480, true, false, {120, 60, 720, 660}, 4.0 / 3.0, 1.5}}) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << "x" << c.height << (c.fullscreen ? " full screen" : "") << " at scale "
                     << c.pixelRatio);
        std::string whyNot;
        auto context = HeadlessGlContext::Create(kSize, kSize, whyNot);
        ASSERT_TRUE(context) << whyNot;
        DiskModel model;
        model.m_bLight = c.light ? 1 : 0;
        model.m_dRemaining = 12.0;
        model.InitScene(c.width, c.height, c.fullscreen, c.pixelRatio);
        EXPECT_EQ(model.m_dRemaining, 360.0);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), std::vector<GLint>(c.viewport, c.viewport + 4));

        GLdouble p[16], m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, p);
        const double f = 1.0 / std::tan(22.5 * 3.14159265358979323846 / 180.0);
        EXPECT_NEAR(p[0], f / c.aspect, 1e-6);
        EXPECT_NEAR(p[5], f, 1e-6);
        EXPECT_NEAR(p[10], -51.0 / 49.0, 1e-6) << "near 1, far 50";
        EXPECT_NEAR(p[14], -100.0 / 49.0, 1e-6);
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        const double a = 35.0 * 3.14159265358979323846 / 180.0;
        EXPECT_NEAR(m[0], std::cos(a), 1e-6);
        EXPECT_NEAR(m[2], -std::sin(a), 1e-6);
        EXPECT_NEAR(m[8], std::sin(a), 1e-6);
        EXPECT_NEAR(m[14], -7.0, 1e-6);

        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), c.light ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(glIsEnabled(GL_LIGHT3), c.light ? GL_TRUE : GL_FALSE);
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
        if (c.light) {
            GLfloat position[4], ambient[4];
            glGetLightfv(GL_LIGHT3, GL_POSITION, position);
            EXPECT_EQ(std::vector<GLfloat>(position, position + 4), (std::vector<GLfloat>{3, 0, 3, 1}));
            glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
            EXPECT_EQ(std::vector<GLfloat>(ambient, ambient + 4),
                      (std::vector<GLfloat>{0.25f, 0.25f, 0.25f, 1}));
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(DiskPixels, SpinsAccumulateOnTheStartOrientationAndResizingKeepsThePerspective) {
    std::string whyNot;
    auto context = HeadlessGlContext::Create(kSize, kSize, whyNot);
    ASSERT_TRUE(context) << whyNot;
    DiskModel model;
    model.m_nDiskType = 3;
    model.m_bSpinY = 1;
    model.InitScene(kSize, kSize, false);
    GLdouble before[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    model.RenderFrame();
    model.RenderFrame();
    DiskModel::ResizeViewport(-5, 40);
    GLdouble m[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double a = 37.0 * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(m[0], std::cos(a), 1e-6) << "two frames add two degrees";
    EXPECT_NEAR(m[8], std::sin(a), 1e-6);
    EXPECT_NEAR(m[14], -7.0, 1e-6);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 0);
    EXPECT_EQ(viewport[3], 40);
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    EXPECT_EQ(std::vector<GLdouble>(after, after + 16), std::vector<GLdouble>(before, before + 16));
    // Materials are set for front faces only: the hand's dark red was set last.
    GLfloat front[4], back[4];
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, front);
    glGetMaterialfv(GL_BACK, GL_AMBIENT, back);
    EXPECT_EQ(std::vector<GLfloat>(front, front + 4), (std::vector<GLfloat>{0.5f, 0, 0, 1}));
    EXPECT_EQ(std::vector<GLfloat>(back, back + 4), (std::vector<GLfloat>{0.2f, 0.2f, 0.2f, 1}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "no matrix stack left unbalanced";
}

} // namespace
