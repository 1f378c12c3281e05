#pragma once
// What the 3D-Timer window shows and how it draws it: the disk of coloured parts (types 1 and 2),
// the clock face (type 3) or the rings of lamp segments (type 4), the title clock, and the GL state
// the window sets up once. The window derives from this and owns the rendering context.
#include "gl3d/drawing_sink.h"
#include "gl3d/gl_drawing_sink.h"
#include "settings/settings.h"

#include <string>

// More parts than this are drawn as this many: a part is then narrower than a degree, the picture
// no longer changes, and the frame (every 50 ms) stays quick for any stored value.
constexpr double kMaxDiskParts = 360.0;

// The angle of the countdown still to show after ticks of totalTicks: 360 at the start, 0 at the
// end, kept within 0-360; 0 for a countdown of no ticks.
double RemainingAngle(int ticks, int totalTicks);

// Width over height of the client area, given to the perspective; 1 for an empty area.
double PerspectiveAspect(int clientWidth, int clientHeight);

class DiskModel {
public:
    // Spin about the x, y and z axis, 1 degree each frame.
    int m_bSpinX = 0;
    int m_bSpinY = 0;
    int m_bSpinZ = 0;
    // Colour the disk's parts by their share of the disk.
    int m_bMultiColour = 0;
    int m_bLight = 0;
    // Degrees of the full turn still to show.
    double m_dRemaining = 360.0;
    double m_dParts = 0.0;
    // Step between the indexes of the drawn parts; below 1 counts as 1.
    int m_nSkip = 1;
    // Colour of the part now drawn.
    RgbColor m_colCurrent;
    // 1 Red/Yellow/Green, 2 One-Color-Disk, 3 Clock-Type, 4 Led-Type; anything else draws nothing.
    int m_nDiskType = 0;
    // The title clock: minutes and seconds since the window opened, and quarter-second ticks
    // counted towards the next second.
    int m_nElapsedMin = 0;
    int m_nElapsedSec = 0;
    int m_nQuarters = 0;
    // Minutes the countdown was set to.
    int m_nMinutes = 0;
    RgbColor m_colMulti[3];
    RgbColor m_colSecMin[2];
    std::string m_strTitle;
    // The title text last built.
    std::string m_strText;

    // The GL state set once in the window's fresh context: viewport, perspective, the light when
    // m_bLight is 1, clearing, depth test, and the start orientation of the disk, 7 units away and
    // turned 35 degrees about the vertical axis. The whole turn is shown again. Sizes are in the
    // window's pixels; pixelRatio says how many of the surface's pixels make one of them.
    void InitScene(int clientWidth, int clientHeight, bool fullscreen, double pixelRatio = 1.0);
    // The viewport after the client area changed size; the perspective stays.
    static void ResizeViewport(int clientWidth, int clientHeight, double pixelRatio = 1.0);
    // The viewport of the full screen: 480 by 440 pixels in the middle of 640 by 480.
    static void FullScreenViewport(double pixelRatio = 1.0);
    // One frame into the current context. The caller presents it (its buffer swap flushes it).
    void RenderFrame();
    // One frame into any sink: clear, spin, then the picture of m_nDiskType.
    void RenderFrame(DrawingSink& out);
    // One countdown tick of the title clock; every fourth tick advances it a second and rebuilds
    // m_strText, "<title>: MM:SS". True when the text was rebuilt, for the window to show it.
    bool UpdateTimeText();

protected:
    void SetupLight();
    void DrawDisk(DrawingSink& out, double parts, double remaining, int skip);
    void DrawPart(DrawingSink& out, Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h,
                  const RgbColor& colour);
    void DrawClockMarks(DrawingSink& out, int count);
    void DrawHand(DrawingSink& out);
    void DrawTriangularPrism(DrawingSink& out, Point2 t1, Point2 t2, Point2 t3, double h);
    void DrawLedRings(DrawingSink& out);

private:
    // Sets a front material, its colour kept within 0-1 whatever was stored.
    static void FrontMaterial(DrawingSink& out, MaterialParam param, const RgbColor& colour);
    // The colour of a part by its share of the disk, in percent.
    RgbColor ShareColour(double share) const;
    // The first steps of a ring of stepsPerTurn steps, from twelve o'clock; odd steps are lit.
    void DrawRing(DrawingSink& out, long long steps, int stepsPerTurn, double inner, double outer,
                  const RgbColor& colour);

    GlDrawingSink m_gl;
};
