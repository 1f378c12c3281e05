#include "platform/profile/qt_profile_store.h"

#include "platform/diagnostics.h"
#include "platform/profile/qt_profile_file.h"
#include "platform/profile/qt_profile_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>

struct QtProfileStore::State {
    QString path;
    std::optional<IniValues> file;
    IniValues unsaved; // written since the last Flush

    const IniValues& File() { // read at the first look
        if (!file) {
            const ProfileBytes read = ReadProfileFile(path);
            if (!read.problem.empty()) {
                ReportProblem("the settings file " + path.toStdString() + " is " + read.problem +
                              "; the defaults are used");
            }
            file = ParsedIni(read.bytes);
        }
        return *file;
    }
    // The stored text; nothing when there is none, or it is not text.
    std::optional<std::string> Find(const std::string& section, const std::string& key) {
        const IniValues& values = unsaved.count({section, key}) > 0 ? unsaved : File();
        const auto found = values.find({section, key});
        return found == values.end() ? std::nullopt : DecodedValue(found->second);
    }
    void Write(const std::string& section, const std::string& key, const std::string& value) {
        File(); // a file that cannot be read is told of before the first change, as at the first look
        unsaved[{section, key}] = EncodedValue(value);
    }
};

QtProfileStore::QtProfileStore(const std::string& organization, const std::string& application)
    : QtProfileStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QLatin1Char('/') + QString::fromStdString(organization) + QLatin1Char('/') +
                     QString::fromStdString(application) + QStringLiteral(".conf")) {}

QtProfileStore::QtProfileStore(const QString& path) : m_state(std::make_unique<State>()) {
    m_state->path = QFileInfo(path).absoluteFilePath();
}

std::string QtProfileStore::FilePath() const {
    return m_state->path.toStdString();
}

std::unique_ptr<QtProfileStore> QtProfileStore::AtPath(const std::string& iniPath) {
    return std::unique_ptr<QtProfileStore>(new QtProfileStore(QString::fromStdString(iniPath)));
}

QtProfileStore::~QtProfileStore() = default;

// Only an optional minus and decimal digits, nothing around them, within int range: anything
// else is not a whole number and the caller's default applies.
int QtProfileStore::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const std::string text = m_state->Find(section, key).value_or("");
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : def;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& def) {
    return m_state->Find(section, key).value_or(def);
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    m_state->Write(section, key, std::to_string(value));
}

void QtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    m_state->Write(section, key, value);
}

bool QtProfileStore::Flush() {
    if (m_state->unsaved.empty()) {
        return true;
    }
    const QString& path = m_state->path;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    const ProfileWriteLock lock(path);
    if (!lock.Held()) {
        return false;
    }
    // What another writer wrote since is kept where this profile has written nothing of its own,
    // as QSettings merges; a file that cannot be read now leaves this profile's values as they are.
    const ProfileBytes now = ReadProfileFile(path);
    IniValues values = now.problem.empty() ? ParsedIni(now.bytes) : m_state->File();
    for (const auto& [key, value] : m_state->unsaved) {
        values[key] = value;
    }
    if (!ReplaceProfileFile(path, IniText(values))) {
        return false;
    }
    m_state->file = std::move(values);
    m_state->unsaved.clear();
    return true;
}
