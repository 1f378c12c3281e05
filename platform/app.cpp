#include "platform/app.h"

#include "platform/diagnostics.h"
#include "platform/wnd.h"

CWinApp::CWinApp(Services& services, MessageLoop& loop, const ResourceTable& resources)
    : m_modalLoops(services.modal, services.sound, [this] { OnModalLoopsEnded(); }),
      m_services(new Services{services.timers, services.clock, m_modalLoops, services.tray, m_modalLoops,
                              services.display, services.profile, services.system, services.rendering}),
      m_loop(loop), m_resources(resources) {}

CWinApp::~CWinApp() = default;

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

int CWinApp::Run() {
    if (InitInstance() && !m_mainWindowGone) {
        m_loop.Run();
    }
    return ExitInstance();
}

int CWinApp::GetProfileInt(const std::string& section, const std::string& key, int def) {
    return m_services->profile.GetProfileInt(section, key, def);
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& key,
                                      const std::string& def) {
    return m_services->profile.GetProfileString(section, key, def);
}

// The application's own profile writes reach the file at once, as they reach the registry.
void CWinApp::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    m_services->profile.WriteProfileInt(section, key, value);
    FlushProfile();
}

void CWinApp::WriteProfileString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    m_services->profile.WriteProfileString(section, key, value);
    FlushProfile();
}

void CWinApp::FlushProfile() {
    if (!m_services->profile.Flush()) {
        ReportProblem("the settings could not be written");
    }
}

std::string CWinApp::LoadString(int id) const {
    auto found = m_resources.strings.find(id);
    return found == m_resources.strings.end() ? std::string() : found->second;
}

void CWinApp::OnWindowDestroyed(CWnd* wnd) {
    if (wnd == m_pMainWnd && !m_mainWindowGone) {
        m_mainWindowGone = true;
        m_loop.Quit(0);
    }
}
