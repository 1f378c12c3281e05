#include "tests/headless_gl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstring>

struct HeadlessGlContext::Handles {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint renderbuffers[2] = {0, 0};
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;

    ~Handles() {
        if (context != EGL_NO_CONTEXT) {
            if (framebuffer != 0) {
                deleteFramebuffers(1, &framebuffer);
                deleteRenderbuffers(2, renderbuffers);
            }
            eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(display, context);
        }
        // The display stays initialised for the rest of the process: terminating it would unload
        // Mesa's driver, whose own allocations the leak checker could then no longer name.
    }
};

namespace {

template <typename F> bool Load(F& f, const char* name) {
    f = reinterpret_cast<F>(eglGetProcAddress(name));
    return f != nullptr;
}

bool HasExtension(const char* list, const char* name) {
    return list != nullptr && std::strstr(list, name) != nullptr;
}

} // namespace

std::unique_ptr<HeadlessGlContext> HeadlessGlContext::Create(int width, int height, std::string& whyNot) {
    auto h = std::make_unique<Handles>();
    if (!HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless")) {
        whyNot = "EGL offers no surfaceless platform (is Mesa's libegl-mesa0 installed?)";
        return nullptr;
    }
    PFNEGLGETPLATFORMDISPLAYEXTPROC getPlatformDisplay = nullptr;
    if (!Load(getPlatformDisplay, "eglGetPlatformDisplayEXT")) {
        whyNot = "eglGetPlatformDisplayEXT is missing";
        return nullptr;
    }
    h->display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (h->display == EGL_NO_DISPLAY || !eglInitialize(h->display, nullptr, nullptr)) {
        h->display = EGL_NO_DISPLAY;
        whyNot = "no surfaceless EGL display could be initialised";
        return nullptr;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (!eglBindAPI(EGL_OPENGL_API) || !eglChooseConfig(h->display, configAttributes, &config, 1, &configs) ||
        configs < 1) {
        whyNot = "EGL offers no desktop OpenGL configuration";
        return nullptr;
    }
    const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
    h->context = eglCreateContext(h->display, config, EGL_NO_CONTEXT, contextAttributes);
    if (h->context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(h->display, EGL_NO_SURFACE, EGL_NO_SURFACE, h->context)) {
        whyNot = "no OpenGL 2.1 context could be made current without a surface";
        return nullptr;
    }
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    if (!Load(genFramebuffers, "glGenFramebuffers") || !Load(bindFramebuffer, "glBindFramebuffer") ||
        !Load(genRenderbuffers, "glGenRenderbuffers") || !Load(bindRenderbuffer, "glBindRenderbuffer") ||
        !Load(renderbufferStorage, "glRenderbufferStorage") ||
        !Load(framebufferRenderbuffer, "glFramebufferRenderbuffer") ||
        !Load(checkFramebufferStatus, "glCheckFramebufferStatus") ||
        !Load(h->deleteFramebuffers, "glDeleteFramebuffers") ||
        !Load(h->deleteRenderbuffers, "glDeleteRenderbuffers")) {
        whyNot = "the context has no framebuffer objects";
        return nullptr;
    }
    genFramebuffers(1, &h->framebuffer);
    genRenderbuffers(2, h->renderbuffers);
    bindFramebuffer(GL_FRAMEBUFFER, h->framebuffer);
    bindRenderbuffer(GL_RENDERBUFFER, h->renderbuffers[0]);
    renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, h->renderbuffers[0]);
    bindRenderbuffer(GL_RENDERBUFFER, h->renderbuffers[1]);
    renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, h->renderbuffers[1]);
    if (checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        whyNot = "the framebuffer object is incomplete";
        return nullptr;
    }
    return std::unique_ptr<HeadlessGlContext>(new HeadlessGlContext(width, height, std::move(h)));
}

HeadlessGlContext::HeadlessGlContext(int width, int height, std::unique_ptr<Handles> handles)
    : m_width(width), m_height(height), m_handles(std::move(handles)) {}

HeadlessGlContext::~HeadlessGlContext() = default;

bool HeadlessGlContext::MakeCurrent() {
    return eglMakeCurrent(m_handles->display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_handles->context) == EGL_TRUE;
}

std::vector<Rgb8> HeadlessGlContext::ReadPixels() const {
    std::vector<std::uint8_t> bottomUp(static_cast<size_t>(m_width) * m_height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<Rgb8> pixels(static_cast<size_t>(m_width) * m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const std::uint8_t* p = &bottomUp[(static_cast<size_t>(m_height - 1 - y) * m_width + x) * 4];
            pixels[static_cast<size_t>(y) * m_width + x] = Rgb8{p[0], p[1], p[2]};
        }
    }
    return pixels;
}
