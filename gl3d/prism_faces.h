#pragma once
// The flat prisms every picture of the 3D-Timer is built from, as faces with normals and vertex
// colours, worked out without GL so that they can be checked exactly.
#include "settings/settings.h"

#include <array>

// A point in the disk plane.
struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Point2 operator*(double factor, Point2 p);

// The point at distance 1 from the centre at an angle in degrees measured from twelve o'clock
// (+y) towards three o'clock (+x): (sin, cos).
Point2 Dir(double degrees);

// (B - A) x (C - A), not normalised: GL_NORMALIZE does that.
Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c);

// The darker colour of a part's inner edge: each component c becomes c * 165 / 255.
RgbColor EdgeColour(const RgbColor& colour);

enum class FaceKind { Triangles, Quads };

struct FaceVertex {
    Vec3 position;
    RgbColor colour; // unused when the face is not coloured
};

// One begin/end group: its normal first, then its vertices, each after its colour if coloured.
struct Face {
    FaceKind kind = FaceKind::Quads;
    Vec3 normal;
    int vertexCount = 4;
    std::array<FaceVertex, 4> vertices;
    bool coloured = true; // false: the vertices keep the colour that was set before
};

// The prism over the quadrilateral P1-P2-P3-P4 from z = 0 up to z = h, in the order bottom, start
// side, outer side, end side, inner side, top. In a disk part P1 and P4 are the inner corners and
// P1-P2 the edge at the start angle; corners on the outer edge get the full colour, those on the
// inner edge the edge colour, so a part darkens towards the centre.
std::array<Face, 6> PrismFaces(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour);

// The prism over the triangle T1-T2-T3 from z = 0 up to z = h: bottom, top and the sides T1-T2 and
// T3-T2. The side T1-T3 is left open (it sits on the end of the hand's shaft). It sets no colour.
std::array<Face, 4> TriangularPrismFaces(Point2 t1, Point2 t2, Point2 t3, double h);
