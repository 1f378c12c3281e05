#pragma once
// A profile file in a folder of its own, and the bytes of files in it.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

class ProfileFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    std::string PathOf(const std::string& name) const {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Profile() const { return PathOf("brewdial.conf"); }
    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    QTemporaryDir m_dir;
};
