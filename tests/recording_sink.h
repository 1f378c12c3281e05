#pragma once
// A DrawingSink that keeps every call, and each prism with the material and offset in force, for
// checking the 3D-Timer's pictures exactly. Like GL it refuses popping an empty matrix stack,
// pushing past the 32 matrices a model-view stack is sure to hold, non-finite numbers and a
// rotation about no axis: each fails the running test. A frame that does not end throws.
#include "gl3d/drawing_sink.h"
#include "tests/settings_equality.h"

#include <array>
#include <ostream>
#include <vector>

enum class OpKind { Clear, Push, Pop, Translate, Rotate, Material, Shininess, Prism, TriangularPrism };

struct RecordedOp {
    OpKind kind = OpKind::Clear;
    std::array<double, 4> numbers{}; // translate x, y, z; rotate degrees, x, y, z; shininess
    MaterialParam param = MaterialParam::Ambient;
    RgbColor colour;
    double alpha = 0.0;
};

struct DrawnPrism {
    bool triangular = false;
    std::array<Point2, 4> corners{}; // three for a triangular prism
    double h = 0.0;
    RgbColor colour;  // the colour argument; none for a triangular prism
    RgbColor ambient; // front materials in force
    RgbColor diffuse;
    double zOffset = 0.0; // the z translations in force
    double turn = 0.0;    // the rotations about the z axis in force, in degrees
};

class RecordingSink : public DrawingSink {
public:
    void Clear() override;
    void PushMatrix() override;
    void PopMatrix() override;
    void Translate(double x, double y, double z) override;
    void Rotate(double degrees, double x, double y, double z) override;
    void Material(MaterialParam param, const RgbColor& colour, double alpha) override;
    void Shininess(double exponent) override;
    void Prism(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour) override;
    void TriangularPrism(Point2 t1, Point2 t2, Point2 t3, double h) override;

    const std::vector<RecordedOp>& Ops() const { return m_ops; }
    const std::vector<DrawnPrism>& Prisms() const { return m_prisms; }
    // Matrices pushed and not yet popped.
    int Depth() const { return static_cast<int>(m_stack.size()) - 1; }

private:
    struct Transform {
        double z = 0.0;
        double turn = 0.0;
    };
    void Record(OpKind kind, std::array<double, 4> numbers = {});
    void RequireFinite(std::initializer_list<double> values);
    std::vector<RecordedOp> m_ops;
    std::vector<DrawnPrism> m_prisms;
    std::vector<Transform> m_stack{Transform{}};
    RgbColor m_ambient;
    RgbColor m_diffuse;
};

// The angle of a point in degrees from twelve o'clock towards three o'clock, 0 up to 360.
double AngleOf(Point2 p);
double RadiusOf(Point2 p);

// How a colour shows in a failed check.
void PrintTo(const RgbColor& colour, std::ostream* out);
