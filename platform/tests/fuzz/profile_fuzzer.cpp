// Any file as the profile, through the real store: it loads without a crash, the settings read
// are written back, and what was written reads back as the same settings.
#include "platform/qt/qt_profile_store.h"
#include "settings/settings.h"
#include "tests/settings_equality.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The folder the profile is written to, again and again.
QTemporaryDir* g_dir = nullptr;

Settings Load(const QString& path) {
    Settings s;
    auto store = QtProfileStore::AtPath(path.toStdString());
    LoadSettings(s, *store);
    LoadWindowPositions(s, *store);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The program runs as a GUI application: values stored as Qt GUI types are read as it reads
    // them. Both live until the process ends; Qt's own globals are gone before exit handlers run.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    new QGuiApplication(*argc, *argv);
    g_dir = new QTemporaryDir;
    return g_dir->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = g_dir->filePath(QStringLiteral("brewdial.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            __builtin_trap();
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Settings read;
    {
        auto store = QtProfileStore::AtPath(path.toStdString());
        LoadSettings(read, *store);
        LoadWindowPositions(read, *store);
        SaveSettings(read, *store);
        if (!store->Flush()) {
            __builtin_trap(); // a regular file in a writable folder is always written
        }
    }
    if (Load(path) != read) {
        __builtin_trap();
    }
    return 0;
}
