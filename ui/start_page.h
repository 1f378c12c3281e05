#pragma once
// The "Start/Tray" tab: what happens after an alarm, how the program starts and hides, and
// what a double-click on the tray icon does.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/settings.h"

class CStartPage : public CDialog {
public:
    CStartPage(CWnd& parent, StartSettings* settings);

    // Reads the controls into the settings; the page stays open.
    void SaveToSettings();

    StartSettings* m_pSettings;
    CButton m_checkStartMinimized;
    CButton m_checkMinimizeAfterStart;
    int m_nCloseAfterAlarm = 0;
    int m_nMinimizeAfterStart = 0;
    int m_nStartMinimized = 0;
    int m_nStartStayMinimized = 0;
    int m_nTrayDblClick = -1; // 0 "maximize", 1 "start timer"

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnStartStay();
    // "start and stay minimized" makes the other two start options moot.
    void EnableMinimizeOptions();
};
