#include "gl3d/disk_model.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

double Unit(double c) {
    return std::isnan(c) ? 0.0 : std::clamp(c, 0.0, 1.0);
}

RgbColor Sane(const RgbColor& c) {
    return RgbColor{Unit(c.red), Unit(c.green), Unit(c.blue)};
}

const RgbColor kGrey40{0.4, 0.4, 0.4};
const RgbColor kWhite{1.0, 1.0, 1.0};
const RgbColor kGrey50{0.5, 0.5, 0.5};
const RgbColor kDarkRed{0.5, 0.0, 0.0};
constexpr double kShininess = 128.0;

// Steps in a full turn of the minutes ring, by the countdown's minutes; every other step is lit.
int MinuteStepsPerTurn(int minutes) {
    if (minutes < 10) {
        return 20;
    }
    if (minutes < 20) {
        return 40;
    }
    if (minutes < 30) {
        return 60;
    }
    if (minutes < 40) {
        return 80;
    }
    return minutes <= 60 ? 120 : 198;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

double RemainingAngle(int ticks, int totalTicks) {
    if (totalTicks <= 0) {
        return 0.0;
    }
    return std::clamp(360.0 - (ticks * 360.0) / totalTicks, 0.0, 360.0);
}

double PerspectiveAspect(int clientWidth, int clientHeight) {
    if (clientWidth <= 0 || clientHeight <= 0) {
        return 1.0;
    }
    return static_cast<double>(clientWidth) / clientHeight;
}

void DiskModel::RenderFrame(DrawingSink& out) {
    out.Clear();
    if (m_bSpinX == 1) {
        out.Rotate(1.0, 1.0, 0.0, 0.0);
    }
    if (m_bSpinY == 1) {
        out.Rotate(1.0, 0.0, 1.0, 0.0);
    }
    if (m_bSpinZ == 1) {
        out.Rotate(1.0, 0.0, 0.0, 1.0);
    }
    switch (m_nDiskType) {
    case 1:
        m_bMultiColour = 1;
        DrawDisk(out, m_dParts, m_dRemaining, m_nSkip);
        break;
    case 2:
        DrawDisk(out, m_dParts, m_dRemaining, m_nSkip);
        break;
    case 3:
        DrawClockMarks(out, 8);
        DrawHand(out);
        break;
    case 4:
        DrawLedRings(out);
        break;
    default:
        break;
    }
}

void DiskModel::DrawDisk(DrawingSink& out, double parts, double remaining, int skip) {
    FrontMaterial(out, MaterialParam::Diffuse, kGrey40);
    FrontMaterial(out, MaterialParam::Ambient, m_colCurrent);
    FrontMaterial(out, MaterialParam::Specular, kWhite);
    out.Shininess(kShininess);
    if (!(parts >= 1.0)) {
        return;
    }
    const double drawn = std::min(parts, kMaxDiskParts);
    const double step = 360.0 / drawn;
    const long long stride = std::max(skip, 1);
    double prevEnd = 0.0;
    // Part i is drawn while the part drawn before it ends below the remaining angle.
    for (long long i = 1; i <= drawn && prevEnd < remaining; i += stride) {
        const double start = step * static_cast<double>(i - 1);
        const double end = step * static_cast<double>(i);
        prevEnd = end;
        out.PushMatrix();
        out.Translate(0.0, 0.0, -0.25);
        if (m_bMultiColour == 1) {
            m_colCurrent = ShareColour(100.0 * static_cast<double>(i) / drawn);
            FrontMaterial(out, MaterialParam::Ambient, m_colCurrent);
        }
        DrawPart(out, Dir(start), 2.0 * Dir(start), 2.0 * Dir(end), Dir(end), 0.5, m_colCurrent);
        out.PopMatrix();
    }
}

RgbColor DiskModel::ShareColour(double share) const {
    if (share < 10.0) {
        return m_colMulti[2];
    }
    return share < 30.0 ? m_colMulti[1] : m_colMulti[0];
}

void DiskModel::DrawPart(DrawingSink& out, Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h,
                         const RgbColor& colour) {
    out.Prism(p1, p2, p3, p4, h, Sane(colour));
}

void DiskModel::DrawClockMarks(DrawingSink& out, int count) {
    for (int k = 0; k < count; ++k) {
        const double theta = 360.0 / count * k;
        out.PushMatrix();
        out.Translate(0.0, 0.0, -0.05);
        FrontMaterial(out, MaterialParam::Ambient, kGrey50);
        FrontMaterial(out, MaterialParam::Diffuse, kGrey50);
        DrawPart(out, 1.9 * Dir(theta - 3.0), 2.0 * Dir(theta - 3.0), 2.0 * Dir(theta + 3.0),
                 1.9 * Dir(theta + 3.0), 0.1, m_colCurrent);
        out.PopMatrix();
    }
}

void DiskModel::DrawHand(DrawingSink& out) {
    // Built along +y (twelve o'clock) and turned back by the remaining angle.
    const double angle = std::isfinite(m_dRemaining) ? m_dRemaining : 0.0;
    out.PushMatrix();
    out.Rotate(-angle, 0.0, 0.0, 1.0);
    out.Translate(0.0, 0.0, -0.1);
    FrontMaterial(out, MaterialParam::Ambient, kDarkRed);
    FrontMaterial(out, MaterialParam::Diffuse, kDarkRed);
    DrawPart(out, {-0.05, 0.1}, {-0.05, 1.5}, {0.05, 1.5}, {0.05, 0.1}, 0.2, m_colCurrent);
    DrawTriangularPrism(out, {-0.15, 1.5}, {0.0, 1.8}, {0.15, 1.5}, 0.2);
    out.PopMatrix();
}

void DiskModel::DrawTriangularPrism(DrawingSink& out, Point2 t1, Point2 t2, Point2 t3, double h) {
    out.TriangularPrism(t1, t2, t3, h);
}

void DiskModel::DrawLedRings(DrawingSink& out) {
    FrontMaterial(out, MaterialParam::Diffuse, kGrey40);
    FrontMaterial(out, MaterialParam::Ambient, m_colSecMin[0]);
    FrontMaterial(out, MaterialParam::Specular, kWhite);
    out.Shininess(kShininess);
    // One lit segment per second left in the current minute, 3 degrees wide with 3-degree gaps.
    DrawRing(out, 2 * (60 - static_cast<long long>(m_nElapsedSec)), 120, 1.8, 2.0, m_colSecMin[0]);
    // One lit segment per whole minute still to come after the current one.
    const long long minuteSteps = 2 * (static_cast<long long>(m_nMinutes) - m_nElapsedMin) - 2;
    DrawRing(out, minuteSteps, MinuteStepsPerTurn(m_nMinutes), 1.5, 1.7, m_colSecMin[1]);
}

void DiskModel::DrawRing(DrawingSink& out, long long steps, int stepsPerTurn, double inner, double outer,
                         const RgbColor& colour) {
    const double step = 360.0 / stepsPerTurn;
    // Beyond a full turn the segments would only be drawn again over the same places.
    const long long drawn = std::min<long long>(steps, stepsPerTurn);
    for (long long k = 1; k <= drawn; ++k) {
        const double start = step * static_cast<double>(k - 1);
        const double end = step * static_cast<double>(k);
        out.PushMatrix();
        out.Translate(0.0, 0.0, -0.25);
        FrontMaterial(out, MaterialParam::Ambient, colour);
        if (k % 2 == 1) {
            DrawPart(out, inner * Dir(start), outer * Dir(start), outer * Dir(end), inner * Dir(end), 0.5,
                     colour);
        }
        out.PopMatrix();
    }
}

void DiskModel::FrontMaterial(DrawingSink& out, MaterialParam param, const RgbColor& colour) {
    out.Material(param, Sane(colour), 1.0);
}

bool DiskModel::UpdateTimeText() {
    m_nQuarters = std::clamp(m_nQuarters, 0, 3) + 1;
    if (m_nQuarters < 4) {
        return false;
    }
    m_nQuarters = 0;
    m_nElapsedSec = std::clamp(m_nElapsedSec, 0, 59) + 1;
    m_nElapsedMin = std::clamp(m_nElapsedMin, 0, INT_MAX - 1);
    if (m_nElapsedSec == 60) {
        m_nElapsedSec = 0;
        ++m_nElapsedMin;
    }
    m_strText = m_strTitle + ": " + TwoDigits(m_nElapsedMin) + ":" + TwoDigits(m_nElapsedSec);
    return true;
}
