// The GL state of the 3D-Timer's context, set up once and on resizing, and frames drawn into it.
#include "gl3d/disk_model.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>

void DiskModel::InitScene(int clientWidth, int clientHeight, bool fullscreen, double pixelRatio) {
    if (fullscreen) {
        FullScreenViewport(pixelRatio);
    } else {
        ResizeViewport(clientWidth, clientHeight, pixelRatio);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, PerspectiveAspect(clientWidth, clientHeight), 1.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (m_bLight == 1) {
        SetupLight();
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glShadeModel(GL_SMOOTH);
    glDepthFunc(GL_LESS);
    m_dRemaining = 360.0;
    // The start orientation; the spins of every frame accumulate onto it.
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glTranslated(0.0, 0.0, -7.0);
    glRotated(35.0, 0.0, 1.0, 0.0);
}

namespace {

// OpenGL counts in the surface's own pixels, the window in the desktop's logical ones.
GLint DevicePixels(int logical, double pixelRatio) {
    return static_cast<GLint>(std::lround(std::max(logical, 0) * pixelRatio));
}

} // namespace

void DiskModel::ResizeViewport(int clientWidth, int clientHeight, double pixelRatio) {
    glViewport(0, 0, DevicePixels(clientWidth, pixelRatio), DevicePixels(clientHeight, pixelRatio));
}

void DiskModel::FullScreenViewport(double pixelRatio) {
    glViewport(DevicePixels(80, pixelRatio), DevicePixels(40, pixelRatio), DevicePixels(480, pixelRatio),
               DevicePixels(440, pixelRatio));
}

void DiskModel::RenderFrame() {
    RenderFrame(m_gl);
}

void DiskModel::SetupLight() {
    // A positional light to the right of and in front of the disk, given in eye coordinates
    // (the model-view matrix is the identity here). Lights 0 to 2 stay unused.
    const GLfloat ambient[4] = {0.4f, 0.4f, 0.4f, 1.0f};
    const GLfloat position[4] = {3.0f, 0.0f, 3.0f, 1.0f};
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glEnable(GL_LIGHT3);
    glLightfv(GL_LIGHT3, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT3, GL_POSITION, position);
    glLightfv(GL_LIGHT3, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT3, GL_SPECULAR, white);
    glEnable(GL_LIGHTING);
    m_gl.Material(MaterialParam::Diffuse, RgbColor{0.4, 0.4, 0.4}, 1.0);
    m_gl.Material(MaterialParam::Ambient, RgbColor{0.25, 0.25, 0.25}, 1.0);
    m_gl.Material(MaterialParam::Specular, RgbColor{1.0, 1.0, 1.0}, 1.0);
    m_gl.Shininess(128.0);
}
