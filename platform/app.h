#pragma once
// The application object: the one context of the process. It owns the services and the
// resources every window reaches through it, runs the message loop, and handles the menu
// commands that the windows leave to it.
#include "platform/dialog_template.h"
#include "platform/message_map.h"
#include "platform/modal_loops.h"
#include "platform/services.h"

#include <memory>
#include <string>

class CWnd;

// The message loop the application object runs until its main window is destroyed.
class MessageLoop {
public:
    virtual ~MessageLoop() = default;
    virtual int Run() = 0;
    virtual void Quit(int exitCode) = 0;
};

class CWinApp : public CCmdTarget {
public:
    CWinApp(Services& services, MessageLoop& loop, const ResourceTable& resources);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // InitInstance, the message loop, ExitInstance; returns the process exit code.
    int Run();

    void SetRegistryKey(const std::string& company) { m_registryKey = company; }
    const std::string& RegistryKey() const { return m_registryKey; }
    int GetProfileInt(const std::string& section, const std::string& key, int def);
    std::string GetProfileString(const std::string& section, const std::string& key, const std::string& def);
    void WriteProfileInt(const std::string& section, const std::string& key, int value);
    void WriteProfileString(const std::string& section, const std::string& key, const std::string& value);

    // The services as the program's windows use them: their modal loops are counted.
    Services& GetServices() const { return *m_services; }
    const ResourceTable& Resources() const { return m_resources; }
    std::string LoadString(int id) const;

    // The main window; its destruction ends the message loop.
    CWnd* m_pMainWnd = nullptr;
    void OnWindowDestroyed(CWnd* wnd);
    bool MainWindowGone() const { return m_mainWindowGone; }

    // A menu command the main window did not handle; false when the application has none.
    bool OnCmdMsg(UINT id) { return RunMapEntry(MapKind::Command, id); }

    // Whether a modal loop of the program is open now.
    bool ModalLoopOpen() const { return m_modalLoops.AnyOpen(); }

protected:
    // The outermost modal loop has returned.
    virtual void OnModalLoopsEnded() {}

private:
    void FlushProfile();
    ModalLoops m_modalLoops;
    std::unique_ptr<Services> m_services;
    MessageLoop& m_loop;
    const ResourceTable& m_resources;
    std::string m_registryKey;
    bool m_mainWindowGone = false;
};
