#include "indicators/alarm_dlg.h"

#include "res/resource.h"

CAlarmDlg::CAlarmDlg(CWinApp& app) : CDialog(IDD_ALARM, app) {}

void CAlarmDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTICE_TEXT, m_strNotice);
}
