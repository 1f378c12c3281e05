#pragma once
// A fresh folder for one test, removed with everything in it when the test is done.
#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brewdial-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            m_path = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    std::string Path() const { return m_path.string(); }
    std::string FilePath(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};
