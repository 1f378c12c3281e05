#pragma once
// The "Options" tab: the alarm sound and the progress indicators of a countdown.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/settings.h"

#include <string>

class COptionsPage : public CDialog {
public:
    COptionsPage(CWnd& parent, OptionsSettings* settings);

    // Reads the controls into the settings; the page stays open.
    void SaveToSettings();

    std::string m_strSoundWav; // full path of the chosen sound
    OptionsSettings* m_pSettings;
    CButton m_checkSnapLed;
    std::string m_strSoundName; // the sound's file name, without folder
    int m_nPlaySound = 0;
    int m_nSnapLed = 0;
    int m_nLedTimer = 0;
    int m_nDisplayIcon = 0;
    int m_n3DTimer = 0;
    int m_nFullscreen = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnBrowseSound();
    void OnPlay();
    void OnLedTimer();
    void On3DTimer();
    bool OpenGlAvailable();
};
