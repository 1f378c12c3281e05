// The 3D-Timer window comes with a change of its own. Until it lands, the option "3D-Timer"
// opens nothing: m_b3DOpen stays false, and every call below has no window to act on.
#include "app/timer_dlg.h"

void CTimerDlg::Open3DTimer(const std::string&, int) {}

void CTimerDlg::Close3DTimer() {}

void CTimerDlg::Update3DTimer() {}

void CTimerDlg::Show3DPaused(bool) {}
