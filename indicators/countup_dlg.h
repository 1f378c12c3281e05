#pragma once
// The count-up window: a stopwatch that counts seconds on its own timer, always on top, and
// keeps its place in the profile.
#include "platform/dialog.h"

#include <string>

class CCountupDlg : public CDialog {
public:
    static constexpr UINT_PTR IDT_COUNT = 1; // every second
    static constexpr UINT_PTR IDT_SNAP = 2;  // one shot, 50 ms after a drag ends

    explicit CCountupDlg(CWinApp& app);

    void PauseCount();
    void ResumeCount(); // the next second is counted a full second from now
    // Writes where the window stands as "PosCountX"/"PosCountY"; the next one opens there.
    void SavePosition();

    int m_nCountSeconds = 0;
    int m_nCountMinutes = 0;
    int m_nCountHours = 0;
    int m_nPosX = 0;
    int m_nPosY = 0;
    bool m_bCaptureArmed = false;
    std::string m_strTime;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnCaptureChanged() override;
};
