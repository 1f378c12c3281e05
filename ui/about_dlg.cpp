#include "ui/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(CWinApp& app) : CDialog(IDD_ABOUTBOX, app) {}
