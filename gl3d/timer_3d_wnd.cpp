#include "gl3d/timer_3d_wnd.h"

#include "platform/app.h"
#include "platform/messages.h"

namespace {

constexpr DWORD kWindowedStyle = WS_VISIBLE | WS_BORDER | WS_THICKFRAME | WS_MAXIMIZEBOX;
constexpr DWORD kPopupStyle = WS_POPUP | WS_VISIBLE;
constexpr DWORD kToolTopmost = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
const CRect kFullScreenRect{0, 0, 640, 480};
// Depth buffer bits of the pixel format.
constexpr int kDepthBits = 16;
// The caption of a message box that names none: the application's name.
constexpr const char* kAppName = "Brewdial";

} // namespace

C3DTimerWnd::C3DTimerWnd(CWinApp& app, const CRect& storedRect, std::string title, int light, int diskType,
                         int fullscreen)
    : m_bFullscreen(fullscreen == 1 ? 1 : 0), m_storedRect(storedRect) {
    SetApp(app);
    m_bLight = light;
    m_nDiskType = diskType;
    if (m_bFullscreen == 1) {
        CreateEx(kToolTopmost, title, kPopupStyle, kFullScreenRect);
        GetServices().display.ShowCursor(FALSE);
    } else {
        CreateEx(kToolTopmost, title, kWindowedStyle, WindowedRect());
    }
    m_strTitle = std::move(title);
    if (m_bFullscreen == 1) {
        // A refusal was shown in its box; the pop-up stays on the desktop as it is.
        SwitchTo640x480();
    }
    InitGL();
}

C3DTimerWnd::~C3DTimerWnd() {
    // Still open as the program ends: it goes without keeping its place.
    if (IsCreated()) {
        ReleaseGL();
        if (m_bFullscreen == 1) {
            RestoreDisplay();
        }
    }
}

void C3DTimerWnd::InitGL() {
    m_hDC = GetServices().rendering.GetDC(*this, kDepthBits);
    if (!m_hDC) {
        GetServices().modal.MessageBox(this, "Fehler", kAppName, MB_OK);
        return;
    }
    m_hRC = m_hDC->CreateContext();
    if (!m_hRC || !m_hRC->MakeCurrent()) {
        ReleaseGL();
        return;
    }
    const CRect client = GetClientRect();
    InitScene(client.Width(), client.Height(), m_bFullscreen == 1, m_hDC->DevicePixelRatio());
    SetTimer(IDT_FRAME, 50);
}

void C3DTimerWnd::ReleaseGL() {
    m_hRC.reset();
    m_hDC.reset();
}

void C3DTimerWnd::DrawFrame() {
    if (m_hRC) {
        RenderFrame();
        m_hDC->SwapBuffers();
    }
}

BOOL C3DTimerWnd::SwitchTo640x480() {
    DisplayService& display = GetServices().display;
    DEVMODE mode;
    bool found = false;
    for (DWORD i = 0; !found && display.EnumDisplaySettings(i, mode); ++i) {
        found = (mode.dmBitsPerPel == 16 || mode.dmBitsPerPel == 24) && mode.dmPelsWidth == 640 &&
                mode.dmPelsHeight == 480;
    }
    if (!found) {
        StopBox("640x480x65536 (16/24-bit color/Hicolor) is not supported", "Initialization Error");
        return FALSE;
    }
    switch (display.ChangeDisplaySettings(&mode)) {
    case DISP_CHANGE_SUCCESSFUL:
        return TRUE;
    case DISP_CHANGE_RESTART:
        StopBox("You must change your desktop to 16/24bit color (Hicolor) and then restart",
                "Win95/non-16bit color Init Error");
        return FALSE;
    case DISP_CHANGE_BADMODE:
        StopBox("The video mode 640x480x65536/16.7M is not supported", "Initialization Error");
        return FALSE;
    case DISP_CHANGE_FAILED:
        StopBox("Hardware failed to change to 640x480x65536/16.7M", "Initialization Error");
        return FALSE;
    default:
        return FALSE;
    }
}

void C3DTimerWnd::StopBox(const std::string& text, const std::string& title) {
    GetServices().modal.MessageBox(this, text, title, MB_OK | MB_ICONHAND);
}

CRect C3DTimerWnd::WindowedRect() {
    return PlaceableWindowRect(m_storedRect, GetServices().display.WorkArea());
}

void C3DTimerWnd::EnterFullScreen() {
    if (!SwitchTo640x480()) {
        return;
    }
    GetServices().display.ShowCursor(FALSE);
    SetWindowStyle(kPopupStyle, WS_EX_TOPMOST);
    SetWindowPos(true, kFullScreenRect);
    if (m_hRC) {
        FullScreenViewport(m_hDC->DevicePixelRatio());
    }
    m_bFullscreen = 1;
}

void C3DTimerWnd::LeaveFullScreen() {
    RestoreDisplay();
    m_bFullscreen = 0;
    SetWindowStyle(WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, kToolTopmost);
    SetWindowPos(true, WindowedRect());
}

void C3DTimerWnd::RestoreDisplay() {
    DisplayService& display = GetServices().display;
    display.ChangeDisplaySettings(nullptr);
    display.ShowCursor(TRUE);
}

void C3DTimerWnd::UpdateTimeText() {
    if (DiskModel::UpdateTimeText()) {
        SetWindowText(m_strText);
    }
}

void C3DTimerWnd::ShowPaused(BOOL paused) {
    if (paused) {
        m_strText = GetWindowText();
        SetWindowText("Paused");
    } else {
        SetWindowText(m_strText);
    }
}

void C3DTimerWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_hRC) {
        ResizeViewport(cx, cy, m_hDC->DevicePixelRatio());
    }
}

void C3DTimerWnd::OnPaint() {
    DrawFrame();
}

void C3DTimerWnd::OnTimer(UINT_PTR id) {
    if (id == IDT_FRAME) {
        DrawFrame();
    }
    CWnd::OnTimer(id);
}

// Any key, held ones too, switches between the full screen and the window.
void C3DTimerWnd::OnKeyDown(UINT, UINT, UINT) {
    if (m_bFullscreen == 1) {
        LeaveFullScreen();
    } else {
        EnterFullScreen();
    }
}

// The window has no close command: it goes when the main dialog destroys it.
void C3DTimerWnd::OnClose() {}

void C3DTimerWnd::OnDestroy() {
    ReleaseGL();
    if (m_bFullscreen == 1) {
        RestoreDisplay();
    }
    CWnd::OnDestroy();
}
