#pragma once
// The application object: sets the profile's key, creates the main dialog and forwards the
// tray menu's commands to it.
#include "platform/app.h"
#include "platform/command_line.h"

#include <memory>
#include <optional>
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

    // What a start of the program asks for: a countdown or a quick timer, started the way the
    // tray's quick timers start theirs, then the main dialog brought up. While a modal loop is
    // open it waits until that loop has returned, merged with the requests waiting already.
    void CarryOut(const StartRequest& request);
    // The session ends (a signal, the session manager): the Close sequence, as Close runs it.
    void OnSessionEnd();

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
    void OnModalLoopsEnded() override { CarryOutWaitingRequest(); }

private:
    void OnQuickTimer(int index);
    // The main dialog while its window exists: commands find nothing to act on after Close.
    CTimerDlg* LiveDialog() const;
    void CarryOutWaitingRequest();
    void CarryOutNow(const StartRequest& request);
    int m_exitCode = 0;
    std::optional<StartRequest> m_waitingRequest;
    bool m_carryingOut = false;
};
