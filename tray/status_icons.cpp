#include "tray/status_icons.h"

#include "app/timer_dlg.h"
#include "res/resource.h"

namespace {

constexpr HICON kStageIcons[] = {IDI_STAGE1, IDI_STAGE2, IDI_STAGE3, IDI_STAGE4, IDI_STAGE5,
                                 IDI_STAGE6, IDI_STAGE7, IDI_STAGE8, IDI_STAGE9};
constexpr int kStages = 9;

// Stage s + 1 begins once the total ticks over the elapsed ticks, times 1000, fall below
// 8000 / s (more than s eighths gone). The last stage shows when the run is complete.
constexpr long long kStageLimits[kStages - 1] = {8000, 4000, 2666, 2000, 1600, 1333, 1142, 1001};

} // namespace

HICON StatusIconForStage(int stage) {
    return stage >= 1 && stage <= kStages ? kStageIcons[stage - 1] : 0;
}

bool StatusIconStepsAt(int stage, int ticks, int totalTicks) {
    if (stage < 1 || stage >= kStages || ticks < 1) {
        return false;
    }
    return static_cast<long long>(totalTicks) * 1000 / ticks < kStageLimits[stage - 1];
}

void CTimerDlg::AdvanceStatusIcon() {
    // In 64 bits: a run of a few days has more total ticks than an int holds a thousand times.
    const long long r = static_cast<long long>(m_nTotalTicks) * 1000 / m_nTicks;
    for (int from = 1; from < kStages; ++from) {
        if (m_nIconStage == from && r < kStageLimits[from - 1]) {
            m_hStatusIcon = StatusIconForStage(from + 1);
            SetTrayIcon(this, kTrayIconId, m_hStatusIcon);
            m_nIconStage = from + 1;
        }
    }
}
