#pragma once
// Draws into the current OpenGL context, in immediate mode.
#include "gl3d/drawing_sink.h"

class GlDrawingSink : public DrawingSink {
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
};
