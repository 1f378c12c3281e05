#include "app/timer_dlg.h"

// The tab pages come with the settings user interface; until then no page is shown.
void CTimerDlg::SaveShownPageForStart() {}

void CTimerDlg::RefreshTimerPage() {}
