#pragma once
// The per-user profile: named int and string values in sections.
#include <string>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The default comes back for a missing key and for stored text that is not a whole number.
    virtual int GetProfileInt(const std::string& section, const std::string& key, int def) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
    // Makes every write so far durable; false when the store could not be written.
    virtual bool Flush() = 0;
};
