#include "gl3d/gl_drawing_sink.h"

#include <GL/gl.h>

namespace {

void DrawFace(const Face& face) {
    glBegin(face.kind == FaceKind::Quads ? GL_QUADS : GL_TRIANGLES);
    glNormal3d(face.normal.x, face.normal.y, face.normal.z);
    for (int i = 0; i < face.vertexCount; ++i) {
        const FaceVertex& v = face.vertices[i];
        if (face.coloured) {
            glColor3d(v.colour.red, v.colour.green, v.colour.blue);
        }
        glVertex3d(v.position.x, v.position.y, v.position.z);
    }
    glEnd();
}

GLenum MaterialName(MaterialParam param) {
    switch (param) {
    case MaterialParam::Ambient:
        return GL_AMBIENT;
    case MaterialParam::Diffuse:
        return GL_DIFFUSE;
    case MaterialParam::Specular:
        break;
    }
    return GL_SPECULAR;
}

} // namespace

void GlDrawingSink::Clear() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlDrawingSink::PushMatrix() {
    glPushMatrix();
}

void GlDrawingSink::PopMatrix() {
    glPopMatrix();
}

void GlDrawingSink::Translate(double x, double y, double z) {
    glTranslated(x, y, z);
}

void GlDrawingSink::Rotate(double degrees, double x, double y, double z) {
    glRotated(degrees, x, y, z);
}

void GlDrawingSink::Material(MaterialParam param, const RgbColor& colour, double alpha) {
    const GLfloat value[4] = {static_cast<GLfloat>(colour.red), static_cast<GLfloat>(colour.green),
                              static_cast<GLfloat>(colour.blue), static_cast<GLfloat>(alpha)};
    glMaterialfv(GL_FRONT, MaterialName(param), value);
}

void GlDrawingSink::Shininess(double exponent) {
    glMaterialf(GL_FRONT, GL_SHININESS, static_cast<GLfloat>(exponent));
}

void GlDrawingSink::Prism(Point2 p1, Point2 p2, Point2 p3, Point2 p4, double h, const RgbColor& colour) {
    for (const Face& face : PrismFaces(p1, p2, p3, p4, h, colour)) {
        DrawFace(face);
    }
}

void GlDrawingSink::TriangularPrism(Point2 t1, Point2 t2, Point2 t3, double h) {
    for (const Face& face : TriangularPrismFaces(t1, t2, t3, h)) {
        DrawFace(face);
    }
}
