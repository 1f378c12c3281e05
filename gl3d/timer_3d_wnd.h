#pragma once
// The 3D-Timer: an always-on-top OpenGL window that shows a running countdown as a disk, in a
// window or full screen at 640x480. The main dialog opens it, feeds it every counted tick, tells
// it about pauses and destroys it when the countdown ends; it never closes itself. Any key switches
// between the window and the full screen; moving the mouse does nothing.
#include "gl3d/disk_model.h"
#include "gl3d/window_rect.h"
#include "platform/services.h"
#include "platform/wnd.h"

#include <memory>
#include <string>

class C3DTimerWnd : public CWnd, public DiskModel {
public:
    static constexpr UINT_PTR IDT_FRAME = 1; // a frame every 50 ms

    // Creates and shows the window at the stored rectangle, or as a 640x480 pop-up at the top left
    // of the screen in the full-screen mode (1), sets up OpenGL and starts the frames. Leaving the
    // full screen returns to the stored rectangle; keeping where the window stood is the owner's.
    C3DTimerWnd(CWinApp& app, const CRect& storedRect, std::string title, int light, int diskType,
                int fullscreen);
    // Releases OpenGL, and the full-screen mode, also when the window was never destroyed.
    ~C3DTimerWnd() override;

    // One counted tick of the countdown: every fourth one advances the title's clock a second.
    void UpdateTimeText();
    // The title "Paused" while paused; the title from before it again on resuming.
    void ShowPaused(BOOL paused);
    // Changes the display to its first 640x480 mode of 16 or 24 bits; on failure says why.
    BOOL SwitchTo640x480();

    int m_bFullscreen;
    CRect m_storedRect;
    // The device context with its pixel format, and the rendering context made on it: both null
    // when OpenGL could not be set up, and the window is then never drawn.
    std::unique_ptr<GlDeviceContext> m_hDC;
    std::unique_ptr<GlRenderingContext> m_hRC;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnClose() override;

private:
    void InitGL();
    void DrawFrame();
    void EnterFullScreen();
    void LeaveFullScreen();
    // The stored rectangle, moved and sized to show on the screen.
    CRect WindowedRect();
    // The rendering context first, then the device context.
    void ReleaseGL();
    // The display's own mode and the pointer, as they were before the full screen.
    void RestoreDisplay();
    void StopBox(const std::string& text, const std::string& title);
};
