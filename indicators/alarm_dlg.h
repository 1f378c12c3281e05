#pragma once
// The alarm notice: the user's message, always on top, until OK.
#include "platform/dialog.h"

#include <string>

class CAlarmDlg : public CDialog {
public:
    explicit CAlarmDlg(CWinApp& app);

    std::string m_strNotice; // the message, shown word-wrapped

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
