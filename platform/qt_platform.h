#pragma once
// The real desktop: the Qt application and every real service, built once by main().
#include "platform/app.h"
#include "platform/services.h"

#include <memory>
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

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    std::unique_ptr<Services> m_services;
    std::string m_error;
};
