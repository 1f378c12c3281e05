// OpenGL drawing in a window made with CWnd::CreateEx: a native OpenGL surface fills its client
// area, and one compatibility context draws into it.
#include "platform/display/rendering_service.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/wnd_access.h"

#include <QExposeEvent>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPointer>
#include <QSurfaceFormat>
#include <QWindow>

#include <dlfcn.h>
#include <memory>

namespace {

// The surface takes no input: keys and pointer moves go to the window around it.
class GlSurfaceWindow : public QWindow {
public:
    GlSurfaceWindow(CWnd& owner, const QSurfaceFormat& format) : m_owner(owner) {
        setSurfaceType(QSurface::OpenGLSurface);
        setFormat(format);
        setFlag(Qt::WindowTransparentForInput);
    }

protected:
    void exposeEvent(QExposeEvent*) override {
        if (isExposed()) {
            WndAccess::Paint(m_owner);
        }
    }

private:
    CWnd& m_owner;
};

class QtGlRenderingContext : public GlRenderingContext {
public:
    QtGlRenderingContext(std::unique_ptr<QOpenGLContext> context, QWindow* surface)
        : m_context(std::move(context)), m_surface(surface) {}
    ~QtGlRenderingContext() override { m_context->doneCurrent(); }
    bool MakeCurrent() override { return m_surface && m_context->makeCurrent(m_surface); }

private:
    std::unique_ptr<QOpenGLContext> m_context;
    QPointer<QWindow> m_surface;
};

class QtGlDeviceContext : public GlDeviceContext {
public:
    QtGlDeviceContext(QWidget* container, QWindow* surface, std::unique_ptr<QOpenGLContext> context)
        : m_container(container), m_surface(surface), m_context(context.get()),
          m_unclaimed(std::move(context)) {}
    ~QtGlDeviceContext() override {
        m_unclaimed.reset();
        delete m_container.data(); // and the surface it holds
    }
    std::unique_ptr<GlRenderingContext> CreateContext() override {
        if (!m_unclaimed) {
            return nullptr; // one rendering context per window
        }
        return std::make_unique<QtGlRenderingContext>(std::move(m_unclaimed), m_surface);
    }
    void SwapBuffers() override {
        // A surface not shown has no buffers to swap yet.
        if (m_context && m_surface && m_surface->isExposed()) {
            m_context->swapBuffers(m_surface);
        }
    }
    double DevicePixelRatio() const override { return m_surface ? m_surface->devicePixelRatio() : 1.0; }

private:
    QPointer<QWidget> m_container;
    QPointer<QWindow> m_surface;
    QPointer<QOpenGLContext> m_context;
    std::unique_ptr<QOpenGLContext> m_unclaimed; // made here to learn that the format can be had
};

QSurfaceFormat PixelFormat(int depthBits) {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(depthBits);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

// Platforms that draw no windows on a screen: Qt 6.4 also fails on an OpenGL window there.
bool DrawsOnAScreen() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

std::unique_ptr<GlDeviceContext> QtRenderingService::GetDC(CWnd& wnd, int depthBits) {
    auto* frame = qobject_cast<FrameWindow*>(WndAccess::Widget(wnd));
    if (!frame || !DrawsOnAScreen()) {
        return nullptr;
    }
    const QSurfaceFormat format = PixelFormat(depthBits);
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(format);
    if (!context->create()) {
        return nullptr;
    }
    auto* surface = new GlSurfaceWindow(wnd, format);
    QWidget* container = QWidget::createWindowContainer(surface, frame);
    container->setFocusPolicy(Qt::NoFocus);
    container->setAttribute(Qt::WA_TransparentForMouseEvents);
    surface->create();
    if (!surface->handle()) {
        delete container;
        return nullptr;
    }
    frame->SetSurface(container);
    return std::make_unique<QtGlDeviceContext>(container, surface, std::move(context));
}

bool QtSystemService::OpenGlLibrariesAvailable() {
    bool found = true;
    for (const char* library : {"libGL.so.1", "libGLU.so.1"}) {
        void* handle = dlopen(library, RTLD_LAZY | RTLD_LOCAL);
        found = found && handle != nullptr;
        if (handle) {
            dlclose(handle);
        }
    }
    return found;
}
