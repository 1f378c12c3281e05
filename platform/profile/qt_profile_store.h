#pragma once
// The per-user profile: an INI file in the user's configuration folder, read once when first
// needed and written whole by Flush.
#include "platform/profile_store.h"

#include <memory>
#include <string>

class QString;

class QtProfileStore : public ProfileStore {
public:
    // The real profile of the program: <configuration folder>/<organization>/<application>.conf,
    // the file QSettings would use for these names.
    QtProfileStore(const std::string& organization, const std::string& application);
    // A profile in the given INI file.
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

    std::string FilePath() const;

private:
    struct State; // the file and the values, kept out of sight of the program (they are Qt's)
    explicit QtProfileStore(const QString& path);

    std::unique_ptr<State> m_state;
};
