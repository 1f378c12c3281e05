#include "indicators/snap_to_work_area.h"

#include "platform/wnd.h"

namespace {
constexpr int kSnapDistance = 20;
}

bool SnapToWorkArea(CWnd& wnd, const CRect& wa) {
    const CRect r = wnd.GetWindowRect();
    // The top and left tests compare with the screen's edge, not the work area's.
    if (r.top < kSnapDistance) {
        wnd.SetWindowPos(true, r.left, 0);
        return true;
    }
    if (r.bottom <= wa.bottom - kSnapDistance) {
        return false;
    }
    if (r.right > wa.right - kSnapDistance) {
        wnd.SetWindowPos(true, wa.right - r.Width(), wa.bottom - r.Height());
        return true;
    }
    if (r.left < kSnapDistance) {
        wnd.SetWindowPos(true, 0, wa.bottom - r.Height());
        return true;
    }
    return false;
}

bool CaptureEndsDrag(bool& armed) {
    armed = !armed;
    return !armed;
}
