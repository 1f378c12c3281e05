#pragma once
// The LED-Timer: a small always-on-top window whose bar fills as a countdown runs, with the
// elapsed time in its caption. The main dialog drives it tick by tick.
#include "platform/controls.h"
#include "platform/dialog.h"

#include <string>

class CLedTimerDlg : public CDialog {
public:
    static constexpr UINT_PTR IDT_SNAP = 1; // one shot, 50 ms after a drag ends

    explicit CLedTimerDlg(CWinApp& app);

    // One counted tick; every fourth one advances the caption's clock by a second.
    void UpdateCaption();
    void ShowPaused(bool paused);

    bool m_bCaptureArmed = false;
    int m_bSnap = 0;
    int m_nQuarters = 0;
    int m_nElapsedMin = 0;
    int m_nElapsedSec = 0;
    std::string m_strCaption;
    std::string m_strPrefix;
    CProgressCtrl m_progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    void OnCaptureChanged() override;
};
