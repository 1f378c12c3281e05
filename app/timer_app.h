#pragma once
// The application object: sets the profile's key, creates the main dialog and forwards the
// tray menu's commands to it.
#include "platform/app.h"

#include <memory>
#include <string>

class CTimerDlg;

// The company key under which the profile lives.
constexpr const char* kCompanyKey = "Quorvane";

class CTimerApp : public CWinApp {
public:
    CTimerApp(Services& services, MessageLoop& loop);
    ~CTimerApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The tray menu's commands, forwarded to the main dialog.
    void OnQuickTimer1() { OnQuickTimer(0); }
    void OnQuickTimer2() { OnQuickTimer(1); }
    void OnQuickTimer3() { OnQuickTimer(2); }
    void OnMenuStop();
    void OnMenuPause();
    void OnMenuCountup();
    void OnMenuMaximize();
    void OnMenuExit();

    std::unique_ptr<CTimerDlg> m_pTimerDlg;
    std::string m_strQuickMinutes; // minutes of a quick timer on their way to the main dialog

protected:
    const MessageMap& GetMessageMap() const override;

private:
    void OnQuickTimer(int index);
    // The main dialog while its window exists: commands find nothing to act on after Close.
    CTimerDlg* LiveDialog() const;
    int m_exitCode = 0;
};
