// Any file as the profile, through the real store: it loads without a crash, the settings read
// are written back, what was written reads back as the same settings, and writing them again
// changes nothing.
#include "platform/profile/qt_profile_store.h"
#include "settings/settings.h"
#include "tests/settings_equality.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The folder the profile is written to, again and again.
QTemporaryDir* g_dir = nullptr;

[[noreturn]] void Fail(const char* why) {
    std::fprintf(stderr, "profile: %s\n", why);
    std::abort();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Loads the settings and writes them back.
Settings LoadAndSave(const QString& path) {
    Settings s;
    auto store = QtProfileStore::AtPath(path.toStdString());
    LoadSettings(s, *store);
    LoadWindowPositions(s, *store);
    SaveSettings(s, *store);
    if (!store->Flush()) {
        Fail("not written"); // a regular file in a writable folder is always written
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Lives until the process ends: Qt's own globals are gone before exit handlers run.
    g_dir = new QTemporaryDir;
    return g_dir->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = g_dir->filePath(QStringLiteral("brewdial.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            Fail("no scratch file");
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const Settings read = LoadAndSave(path);
    const QByteArray written = Contents(path);
    if (LoadAndSave(path) != read) {
        Fail("the settings written read back differently");
    }
    if (Contents(path) != written) {
        Fail("the settings written again changed the file");
    }
    return 0;
}
