#pragma once
// The "Timer" tab: the alarm type, the time of day or the minutes, and the message text.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/settings.h"

#include <string>

class CTimerPage : public CDialog {
public:
    CTimerPage(CWnd& parent, TimerSettings* settings, bool* inactive);

    // Reads the controls into the settings; the page stays open.
    void SaveToSettings();
    // Locks the inputs while a timer runs, else enables those of the mode.
    void UpdateControlStates();
    // Shows the mode and minutes the settings hold now, with the other members.
    void ReloadModeAndMinutes();

    TimerSettings* m_pSettings;
    bool* m_pbInactive; // the main dialog's flag: true while no timer runs
    CEdit m_editMessage;
    CStatic m_static24h;
    CStatic m_staticAlarmAt;
    CStatic m_staticMinutes;
    CStatic m_staticIn;
    CEdit m_editMinutes;
    CEdit m_editAlarmTime;
    CSpinButtonCtrl m_spinMinutes;
    std::string m_strAlarmTime;
    std::string m_strMinutes;
    std::string m_strMessage;
    // The message as the edit shows the stored one: at most its first 70 characters. While the
    // edit still shows this, the stored message is kept whole.
    std::string m_strShownMessage;
    int m_nMode = -1; // the checked radio: 0 Time, 1 Timer, 2 Countup

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnModeTime();
    void OnModeTimer();
    void OnModeCountup();
    // Enables the labels and inputs that belong to the mode.
    void EnableModeControls(int mode);
};
