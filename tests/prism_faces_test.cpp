// The faces the 3D-Timer's prisms are drawn with: their order, corners, colours and normals.
#include "gl3d/prism_faces.h"
#include "tests/recording_sink.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

Vec3 Centre(const Face& face) {
    Vec3 c;
    for (int i = 0; i < face.vertexCount; ++i) {
        c.x += face.vertices[i].position.x / face.vertexCount;
        c.y += face.vertices[i].position.y / face.vertexCount;
        c.z += face.vertices[i].position.z / face.vertexCount;
    }
    return c;
}

double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Minus(const Vec3& a, const Vec3& b) {
    return Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

// Every normal points out of the solid (the light falls on the faces the viewer sees) and is
// perpendicular to its face.
template <size_t N> void ExpectOutwardNormals(const std::array<Face, N>& faces) {
    Vec3 inside;
    for (const Face& f : faces) {
        const Vec3 c = Centre(f);
        inside = Vec3{inside.x + c.x / N, inside.y + c.y / N, inside.z + c.z / N};
    }
    for (size_t k = 0; k < N; ++k) {
        SCOPED_TRACE(k);
        const Face& f = faces[k];
        EXPECT_GT(Dot(f.normal, Minus(Centre(f), inside)), 0.0);
        for (int i = 1; i < f.vertexCount; ++i) {
            EXPECT_NEAR(Dot(f.normal, Minus(f.vertices[i].position, f.vertices[0].position)), 0.0, 1e-12);
        }
    }
}

TEST(PrismFaces, FaceNormalIsTheUnnormalisedCrossProduct) {
    const Vec3 n = FaceNormal({1, 1, 1}, {3, 1, 1}, {1, 4, 1});
    EXPECT_EQ(n.x, 0.0);
    EXPECT_EQ(n.y, 0.0);
    EXPECT_EQ(n.z, 6.0);
    const Vec3 m = FaceNormal({0, 0, 0}, {0, 1, 0}, {0, 0, 2});
    EXPECT_EQ(m.x, 2.0);
    EXPECT_EQ(m.y, 0.0);
    EXPECT_EQ(m.z, 0.0);
}

TEST(PrismFaces, DirectionsRunClockwiseFromTwelve) {
    for (auto [degrees, x, y] : {std::tuple{0.0, 0.0, 1.0}, std::tuple{90.0, 1.0, 0.0},
                                 std::tuple{180.0, 0.0, -1.0}, std::tuple{270.0, -1.0, 0.0}}) {
        const Point2 d = Dir(degrees);
        EXPECT_NEAR(d.x, x, 1e-15);
        EXPECT_NEAR(d.y, y, 1e-15);
    }
    const Point2 p = 2.0 * Dir(30.0);
    EXPECT_NEAR(p.x, 1.0, 1e-15);
    EXPECT_NEAR(p.y, std::sqrt(3.0), 1e-15);
}

TEST(PrismFaces, PartFacesInOrderWithCornersAndColours) {
    const Point2 p[4] = {Dir(10.0), 2.0 * Dir(10.0), 2.0 * Dir(40.0), Dir(40.0)};
    const double h = 0.5;
    const RgbColor full{1.0, 0.6, 0.0};
    const RgbColor edge = EdgeColour(full);
    EXPECT_DOUBLE_EQ(edge.red, 165.0 / 255.0);
    EXPECT_DOUBLE_EQ(edge.green, 0.6 * 165.0 / 255.0);
    EXPECT_EQ(edge.blue, 0.0);
    const auto faces = PrismFaces(p[0], p[1], p[2], p[3], h, full);

    // Corners 0-3 are P1-P4 at z = 0, 4-7 the same at z = h; 'f' full colour, 'e' edge colour.
    struct Expected {
        int corners[4];
        const char* colours;
    };
    const Expected table[6] = {
        {{0, 1, 2, 3}, "effe"}, // bottom
        {{0, 4, 5, 1}, "eeff"}, // start side
        {{1, 5, 6, 2}, "ffff"}, // outer side
        {{2, 6, 7, 3}, "ffee"}, // end side
        {{3, 7, 4, 0}, "eeee"}, // inner side
        {{4, 5, 6, 7}, "effe"}, // top
    };
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(faces[k].kind, FaceKind::Quads);
        EXPECT_TRUE(faces[k].coloured);
        ASSERT_EQ(faces[k].vertexCount, 4);
        for (int i = 0; i < 4; ++i) {
            const int corner = table[k].corners[i];
            const FaceVertex& v = faces[k].vertices[i];
            EXPECT_EQ(v.position.x, p[corner % 4].x);
            EXPECT_EQ(v.position.y, p[corner % 4].y);
            EXPECT_EQ(v.position.z, corner < 4 ? 0.0 : h);
            EXPECT_EQ(v.colour, table[k].colours[i] == 'f' ? full : edge);
        }
    }
    EXPECT_LT(faces[0].normal.z, 0.0);
    EXPECT_GT(faces[5].normal.z, 0.0);
    ExpectOutwardNormals(faces);
}

TEST(PrismFaces, EveryPrismOfThePicturesHasOutwardNormals) {
    for (double start : {0.0, 87.0, 180.0, 300.0}) {
        SCOPED_TRACE(start);
        ExpectOutwardNormals(PrismFaces(Dir(start), 2.0 * Dir(start), 2.0 * Dir(start + 4.0),
                                        Dir(start + 4.0), 0.5, RgbColor{}));
    }
    ExpectOutwardNormals(PrismFaces({-0.05, 0.1}, {-0.05, 1.5}, {0.05, 1.5}, {0.05, 0.1}, 0.2, RgbColor{}));
}

TEST(PrismFaces, TriangularPrismHasBottomTopAndTwoSidesAndSetsNoColour) {
    const Point2 t[3] = {{-0.15, 1.5}, {0.0, 1.8}, {0.15, 1.5}};
    const auto faces = TriangularPrismFaces(t[0], t[1], t[2], 0.2);
    const FaceKind kinds[4] = {FaceKind::Triangles, FaceKind::Triangles, FaceKind::Quads, FaceKind::Quads};
    const std::vector<std::vector<int>> corners = {{0, 1, 2}, {3, 4, 5}, {0, 3, 4, 1}, {2, 5, 4, 1}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(faces[k].kind, kinds[k]);
        EXPECT_FALSE(faces[k].coloured);
        ASSERT_EQ(faces[k].vertexCount, static_cast<int>(corners[k].size()));
        for (int i = 0; i < faces[k].vertexCount; ++i) {
            const int corner = corners[k][i];
            EXPECT_EQ(faces[k].vertices[i].position.x, t[corner % 3].x);
            EXPECT_EQ(faces[k].vertices[i].position.y, t[corner % 3].y);
            EXPECT_EQ(faces[k].vertices[i].position.z, corner < 3 ? 0.0 : 0.2);
        }
    }
    ExpectOutwardNormals(faces);
}

} // namespace
