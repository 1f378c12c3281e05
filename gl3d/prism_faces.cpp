#include "gl3d/prism_faces.h"

#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

Vec3 At(Point2 p, double z) {
    return Vec3{p.x, p.y, z};
}

Face Quad(const Vec3& normal, const std::array<FaceVertex, 4>& vertices) {
    return Face{FaceKind::Quads, normal, 4, vertices, true};
}

} // namespace

Point2 operator*(double factor, Point2 p) {
    return Point2{factor * p.x, factor * p.y};
}

Point2 Dir(double degrees) {
    const double radians = degrees * kRadiansPerDegree;
    return Point2{std::sin(radians), std::cos(radians)};
}

Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c) {
    const Vec3 u{b.x - a.x, b.y - a.y, b.z - a.z};
    const Vec3 v{c.x - a.x, c.y - a.y, c.z - a.z};
    return Vec3{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

RgbColor EdgeColour(const RgbColor& colour) {
    auto darker = [](double c) { return (c * 255.0 - c * 90.0) / 255.0; };
    return RgbColor{darker(colour.red), darker(colour.green), darker(colour.blue)};
}

std::array<Face, 6> PrismFaces(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour) {
    const RgbColor full = colour;
    const RgbColor edge = EdgeColour(colour);
    const Vec3 b1 = At(p1, 0.0), b2 = At(p2, 0.0), b3 = At(p3, 0.0), b4 = At(p4, 0.0);
    const Vec3 t1 = At(p1, h), t2 = At(p2, h), t3 = At(p3, h), t4 = At(p4, h);
    return {
        Quad(FaceNormal(b1, b2, b3), {{{b1, edge}, {b2, full}, {b3, full}, {b4, edge}}}),
        Quad(FaceNormal(b1, t1, t2), {{{b1, edge}, {t1, edge}, {t2, full}, {b2, full}}}),
        Quad(FaceNormal(b2, t2, t3), {{{b2, full}, {t2, full}, {t3, full}, {b3, full}}}),
        Quad(FaceNormal(b3, t3, t4), {{{b3, full}, {t3, full}, {t4, edge}, {b4, edge}}}),
        Quad(FaceNormal(b4, t4, t1), {{{b4, edge}, {t4, edge}, {t1, edge}, {b1, edge}}}),
        Quad(FaceNormal(t3, t2, t4), {{{t1, edge}, {t2, full}, {t3, full}, {t4, edge}}}),
    };
}

std::array<Face, 4> TriangularPrismFaces(Point2 t1, Point2 t2, Point2 t3, double h) {
    const Vec3 b1 = At(t1, 0.0), b2 = At(t2, 0.0), b3 = At(t3, 0.0);
    const Vec3 u1 = At(t1, h), u2 = At(t2, h), u3 = At(t3, h);
    auto face = [](FaceKind kind, const Vec3& normal, int count, const std::array<Vec3, 4>& corners) {
        Face f{kind, normal, count, {}, false};
        for (int i = 0; i < count; ++i) {
            f.vertices[i].position = corners[i];
        }
        return f;
    };
    return {
        face(FaceKind::Triangles, FaceNormal(b1, b2, b3), 3, {b1, b2, b3, {}}),
        face(FaceKind::Triangles, FaceNormal(u3, u2, u1), 3, {u1, u2, u3, {}}),
        face(FaceKind::Quads, FaceNormal(u1, u2, b1), 4, {b1, u1, u2, b2}),
        face(FaceKind::Quads, FaceNormal(b3, b2, u3), 4, {b3, u3, u2, b2}),
    };
}
