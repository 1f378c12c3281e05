#include "platform/display/xrandr_modes.h"

#include "platform/display/xrandr_library.h"
#include "platform/messages.h"

#include <memory>

namespace {

// Xlib hands protocol errors to one handler for the whole process, with no room for a context of
// our own: the error of the requests being run is kept here while they run.
int g_trappedError = 0;

int TrapError(Display*, XErrorEvent* event) {
    g_trappedError = event->error_code;
    return 0;
}

// Runs requests with their X errors caught, where Xlib's own handler would end the process.
// True when none came.
template <class Requests> bool WithoutXErrors(Display* display, Requests&& requests) {
    XSync(display, False);
    g_trappedError = 0;
    XErrorHandler previous = XSetErrorHandler(TrapError);
    requests();
    XSync(display, False);
    XSetErrorHandler(previous);
    return g_trappedError == 0;
}

// What XRandR hands out, freed by its own function when it goes out of scope.
template <class T> using XrandrReply = std::unique_ptr<T, void (*)(T*)>;

XrandrReply<XRRScreenResources> ScreenResources(Display* display, Window root) {
    return {XRandr()->GetScreenResourcesCurrent(display, root), XRandr()->FreeScreenResources};
}

XrandrReply<XRROutputInfo> OutputInfo(Display* display, XRRScreenResources* res, RROutput output) {
    return {XRandr()->GetOutputInfo(display, res, output), XRandr()->FreeOutputInfo};
}

XrandrReply<XRRCrtcInfo> CrtcInfo(Display* display, XRRScreenResources* res, RRCrtc crtc) {
    return {XRandr()->GetCrtcInfo(display, res, crtc), XRandr()->FreeCrtcInfo};
}

bool Lit(const XRROutputInfo* info) {
    return info && info->connection == RR_Connected && info->crtc != 0;
}

// The output the desktop counts as its main one: the primary output, else the first one lit.
RROutput MainOutput(Display* display, Window root, XRRScreenResources* res) {
    const RROutput primary = XRandr()->GetOutputPrimary(display, root);
    if (primary != 0 && Lit(OutputInfo(display, res, primary).get())) {
        return primary;
    }
    for (int i = 0; i < res->noutput; ++i) {
        if (Lit(OutputInfo(display, res, res->outputs[i]).get())) {
            return res->outputs[i];
        }
    }
    return 0;
}

const XRRModeInfo* FindMode(const XRRScreenResources* res, RRMode id) {
    for (int i = 0; i < res->nmode; ++i) {
        if (res->modes[i].id == id) {
            return &res->modes[i];
        }
    }
    return nullptr;
}

} // namespace

struct XRandrModes::Connection {
    ~Connection() { XCloseDisplay(display); }
    Display* display = nullptr;
    Window root = 0;
    DWORD depth = 0;
    // The CRTC as it was before the first change, while a change is in effect.
    bool changed = false;
    RRCrtc crtc = 0;
    RRMode mode = 0;
    int x = 0;
    int y = 0;
    Rotation rotation = RR_Rotate_0;
    std::vector<RROutput> outputs;
};

std::unique_ptr<XRandrModes> XRandrModes::Open() {
    if (!XRandr()) {
        return nullptr;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return nullptr;
    }
    auto x = std::make_unique<Connection>();
    x->display = display;
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRandr()->QueryExtension(display, &eventBase, &errorBase) ||
        !XRandr()->QueryVersion(display, &major, &minor) || major < 1 || (major == 1 && minor < 2)) {
        return nullptr;
    }
    x->root = DefaultRootWindow(display);
    x->depth = static_cast<DWORD>(DefaultDepth(display, DefaultScreen(display)));
    return std::unique_ptr<XRandrModes>(new XRandrModes(std::move(x)));
}

XRandrModes::XRandrModes(std::unique_ptr<Connection> connection) : m_x(std::move(connection)) {}

XRandrModes::~XRandrModes() {
    Restore();
}

bool XRandrModes::Mode(DWORD index, DEVMODE& mode) {
    if (index == 0) {
        m_listed.clear();
        const auto screen = ScreenResources(m_x->display, m_x->root);
        const RROutput output = screen.get() ? MainOutput(m_x->display, m_x->root, screen.get()) : 0;
        if (output != 0) {
            const auto out = OutputInfo(m_x->display, screen.get(), output);
            for (int i = 0; out && i < out->nmode; ++i) {
                if (const XRRModeInfo* m = FindMode(screen.get(), out->modes[i])) {
                    m_listed.push_back(DEVMODE{m_x->depth, m->width, m->height});
                }
            }
        }
    }
    if (index >= m_listed.size()) {
        return false;
    }
    mode = m_listed[index];
    return true;
}

int XRandrModes::Change(const DEVMODE& mode) {
    if (mode.dmBitsPerPel != m_x->depth) {
        return DISP_CHANGE_RESTART; // an X screen's depth is fixed while the server runs
    }
    const auto screen = ScreenResources(m_x->display, m_x->root);
    const RROutput output = screen.get() ? MainOutput(m_x->display, m_x->root, screen.get()) : 0;
    if (output == 0) {
        return DISP_CHANGE_FAILED;
    }
    const auto out = OutputInfo(m_x->display, screen.get(), output);
    RRMode wanted = 0;
    for (int i = 0; out && i < out->nmode && wanted == 0; ++i) {
        const XRRModeInfo* m = FindMode(screen.get(), out->modes[i]);
        if (m && m->width == mode.dmPelsWidth && m->height == mode.dmPelsHeight) {
            wanted = m->id;
        }
    }
    if (wanted == 0) {
        return DISP_CHANGE_BADMODE;
    }
    const auto crtc = CrtcInfo(m_x->display, screen.get(), out->crtc);
    if (!crtc) {
        return DISP_CHANGE_FAILED;
    }
    Status status = RRSetConfigFailed;
    const bool clean = WithoutXErrors(m_x->display, [&] {
        status = XRandr()->SetCrtcConfig(m_x->display, screen.get(), out->crtc, CurrentTime, crtc->x, crtc->y,
                                         wanted, crtc->rotation, crtc->outputs, crtc->noutput);
    });
    if (!clean || status != RRSetConfigSuccess) {
        return DISP_CHANGE_FAILED;
    }
    if (!m_x->changed) {
        m_x->changed = true;
        m_x->crtc = out->crtc;
        m_x->mode = crtc->mode;
        m_x->x = crtc->x;
        m_x->y = crtc->y;
        m_x->rotation = crtc->rotation;
        m_x->outputs.assign(crtc->outputs, crtc->outputs + crtc->noutput);
    }
    return DISP_CHANGE_SUCCESSFUL;
}

int XRandrModes::Restore() {
    if (!m_x->changed) {
        return DISP_CHANGE_SUCCESSFUL;
    }
    const auto screen = ScreenResources(m_x->display, m_x->root);
    if (!screen.get()) {
        return DISP_CHANGE_FAILED;
    }
    Status status = RRSetConfigFailed;
    const bool clean = WithoutXErrors(m_x->display, [&] {
        status = XRandr()->SetCrtcConfig(m_x->display, screen.get(), m_x->crtc, CurrentTime, m_x->x, m_x->y,
                                         m_x->mode, m_x->rotation, m_x->outputs.data(),
                                         static_cast<int>(m_x->outputs.size()));
    });
    if (!clean || status != RRSetConfigSuccess) {
        return DISP_CHANGE_FAILED;
    }
    m_x->changed = false;
    return DISP_CHANGE_SUCCESSFUL;
}
