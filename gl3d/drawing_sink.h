#pragma once
// Where the 3D-Timer's pictures go: GlDrawingSink draws them, a recorder in the tests keeps them.
// The calls are those of the fixed-function pipeline the pictures are made with.
#include "gl3d/prism_faces.h"

enum class MaterialParam { Ambient, Diffuse, Specular };

class DrawingSink {
public:
    virtual ~DrawingSink() = default;
    // Clears the colour and depth buffers.
    virtual void Clear() = 0;
    virtual void PushMatrix() = 0;
    virtual void PopMatrix() = 0;
    virtual void Translate(double x, double y, double z) = 0;
    virtual void Rotate(double degrees, double x, double y, double z) = 0;
    // Materials are set for front faces only.
    virtual void Material(MaterialParam param, const RgbColor& colour, double alpha) = 0;
    virtual void Shininess(double exponent) = 0;
    // The faces of PrismFaces and TriangularPrismFaces.
    virtual void Prism(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour) = 0;
    virtual void TriangularPrism(Point2 t1, Point2 t2, Point2 t3, double h) = 0;
};
