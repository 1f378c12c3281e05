#include "tests/recording_sink.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr int kModelViewStackDepth = 32;
// Far more calls than any picture makes (the largest takes about 2000): a frame that gets here
// would not end, so the test is stopped with an exception instead of hanging.
constexpr size_t kMaxCallsPerFrame = 100000;

} // namespace

void RecordingSink::Record(OpKind kind, std::array<double, 4> numbers) {
    if (m_ops.size() >= kMaxCallsPerFrame) {
        throw std::length_error("a frame of more than 100000 drawing calls");
    }
    RecordedOp op;
    op.kind = kind;
    op.numbers = numbers;
    m_ops.push_back(op);
}

void RecordingSink::RequireFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            ADD_FAILURE() << "a drawing call got the non-finite number " << v;
        }
    }
}

void RecordingSink::Clear() {
    Record(OpKind::Clear);
}

void RecordingSink::PushMatrix() {
    if (static_cast<int>(m_stack.size()) >= kModelViewStackDepth) {
        ADD_FAILURE() << "matrix stack overflow";
    }
    m_stack.push_back(m_stack.back());
    Record(OpKind::Push);
}

void RecordingSink::PopMatrix() {
    Record(OpKind::Pop);
    if (m_stack.size() < 2) {
        ADD_FAILURE() << "matrix stack underflow";
        return;
    }
    m_stack.pop_back();
}

void RecordingSink::Translate(double x, double y, double z) {
    RequireFinite({x, y, z});
    m_stack.back().z += z;
    Record(OpKind::Translate, {x, y, z, 0.0});
}

void RecordingSink::Rotate(double degrees, double x, double y, double z) {
    RequireFinite({degrees, x, y, z});
    if (x == 0.0 && y == 0.0 && z == 0.0) {
        ADD_FAILURE() << "rotation about no axis";
    }
    if (x == 0.0 && y == 0.0) {
        m_stack.back().turn += z > 0.0 ? degrees : -degrees;
    }
    Record(OpKind::Rotate, {degrees, x, y, z});
}

void RecordingSink::Material(MaterialParam param, const RgbColor& colour, double alpha) {
    RequireFinite({colour.red, colour.green, colour.blue, alpha});
    if (param == MaterialParam::Ambient) {
        m_ambient = colour;
    } else if (param == MaterialParam::Diffuse) {
        m_diffuse = colour;
    }
    Record(OpKind::Material);
    m_ops.back().param = param;
    m_ops.back().colour = colour;
    m_ops.back().alpha = alpha;
}

void RecordingSink::Shininess(double exponent) {
    RequireFinite({exponent});
    Record(OpKind::Shininess, {exponent, 0.0, 0.0, 0.0});
}

void RecordingSink::Prism(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour) {
    RequireFinite({p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, h, colour.red, colour.green, colour.blue});
    Record(OpKind::Prism);
    m_prisms.push_back(DrawnPrism{
        false, {p1, p2, p3, p4}, h, colour, m_ambient, m_diffuse, m_stack.back().z, m_stack.back().turn});
}

void RecordingSink::TriangularPrism(Point2 t1, Point2 t2, Point2 t3, double h) {
    RequireFinite({t1.x, t1.y, t2.x, t2.y, t3.x, t3.y, h});
    Record(OpKind::TriangularPrism);
    m_prisms.push_back(DrawnPrism{true,
                                  {t1, t2, t3, Point2{}},
                                  h,
                                  RgbColor{},
                                  m_ambient,
                                  m_diffuse,
                                  m_stack.back().z,
                                  m_stack.back().turn});
}

double AngleOf(Point2 p) {
    const double degrees = std::atan2(p.x, p.y) * 180.0 / 3.14159265358979323846;
    return degrees < -1e-9 ? degrees + 360.0 : std::max(degrees, 0.0);
}

double RadiusOf(Point2 p) {
    return std::hypot(p.x, p.y);
}

void PrintTo(const RgbColor& colour, std::ostream* out) {
    *out << "(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
}
