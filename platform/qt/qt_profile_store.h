#pragma once
// The per-user profile over QSettings: the registry on Windows, an INI file elsewhere.
#include "platform/profile_store.h"

#include <memory>
#include <string>

class QSettings;

class QtProfileStore : public ProfileStore {
public:
    // The real profile of the program: organisation "Quorvane", application = executable name.
    QtProfileStore(const std::string& organization, const std::string& application);
    // A profile in the given INI file. Tests use this, because QSettings fixes its default
    // folders at first use in a process.
    static std::unique_ptr<QtProfileStore> AtPath(const std::string& iniPath);
    ~QtProfileStore() override;

    QtProfileStore(const QtProfileStore&) = delete;
    QtProfileStore& operator=(const QtProfileStore&) = delete;

    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;
    bool Flush() override;

private:
    explicit QtProfileStore(std::unique_ptr<QSettings> settings);

    std::unique_ptr<QSettings> m_settings;
};
