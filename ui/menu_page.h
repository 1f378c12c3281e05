#pragma once
// The "Menu" tab: captions and minutes of the tray menu's three quick timers, and the way to
// the about box.
#include "platform/dialog.h"
#include "settings/settings.h"

#include <string>

class CMenuPage : public CDialog {
public:
    CMenuPage(CWnd& parent, MenuSettings* settings);

    // Reads the controls into the settings; the page stays open.
    void SaveToSettings();
    // The caption of quick timer 0, 1 or 2 as its field shows it now.
    std::string ShownCaption(int index);

    MenuSettings* m_pSettings;
    std::string m_strMenuText[3];
    std::string m_strMenuMinutes[3]; // decimal text, checked only when a quick timer starts

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnAbout();
};
