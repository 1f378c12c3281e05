#pragma once
// The about box: the program's name, version and a word from its authors.
#include "platform/dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWinApp& app);
};
