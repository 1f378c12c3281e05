#pragma once
// The real desktop: the Qt application and every real service, built once by main().
#include "platform/app.h"
#include "platform/command_line.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QtPlatform {
public:
    // Chooses the windowing platform and connects to the display. company and application
    // name the per-user profile.
    QtPlatform(int& argc, char** argv, const std::string& company);
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // False when there is no display to show windows on; Error() says why.
    bool Ok() const { return m_services != nullptr; }
    const std::string& Error() const { return m_error; }
    Services& GetServices() { return *m_services; }
    MessageLoop& Loop();

    // Makes this process the program's one instance for this user and display, or hands the
    // request to the instance that runs already; then there is nothing to run and the result
    // is this start's exit status. maxMinutes: the longest countdown a request may ask for.
    std::optional<int> ClaimInstance(const StartRequest& request, int maxMinutes);
    // This start's request, and each one a later start hands over, reach the handler through
    // the event loop.
    void OnStartRequest(std::function<void(const StartRequest&)> handler);
    // SIGTERM, SIGINT, SIGHUP and the session manager's quit reach the handler through the
    // main event loop, after every modal loop has been closed.
    void OnSessionEnd(std::function<void()> handler);
    // The icon every window shows unless it sets its own.
    static void SetProgramIcon(HICON icon);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    std::unique_ptr<Services> m_services;
    std::string m_error;
};
