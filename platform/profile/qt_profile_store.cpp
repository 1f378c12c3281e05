#include "platform/profile/qt_profile_store.h"

#include "platform/diagnostics.h"
#include "platform/profile/qt_profile_file.h"
#include "platform/profile/qt_profile_ini.h"
#include "platform/profile/qt_profile_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>

namespace {

ProfileKey KeyOf(const std::string& section, const std::string& key) {
    return {QString::fromStdString(section), QString::fromStdString(key)};
}

} // namespace

struct QtProfileStore::State {
    QString path;
    std::optional<IniText> file;
    EncodedValues unsaved; // written since the last Flush
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

const IniText& QtProfileStore::File() {
    if (!m_state->file) {
        const ProfileBytes file = ReadProfileFile(m_state->path);
        if (!file.problem.empty()) {
            ReportProblem("the settings file " + FilePath() + " is " + file.problem +
                          "; the defaults are used");
        }
        m_state->file.emplace(file.bytes);
    }
    return *m_state->file;
}

std::optional<std::string> QtProfileStore::Find(const std::string& section, const std::string& key) {
    const ProfileKey k = KeyOf(section, key);
    const auto written = m_state->unsaved.find(k);
    const std::optional<QString> text =
        written == m_state->unsaved.end() ? File().Value(k) : DecodedValue(written->second);
    return text ? std::optional<std::string>(text->toStdString()) : std::nullopt;
}

void QtProfileStore::Write(const std::string& section, const std::string& key, const std::string& value) {
    File(); // a file that cannot be read is told of before the first change, as at the first look
    m_state->unsaved[KeyOf(section, key)] = EncodedValue(value);
}

// Only an optional minus and decimal digits, nothing around them, within int range: anything
// else is not a whole number and the caller's default applies.
int QtProfileStore::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const std::string text = Find(section, key).value_or("");
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : def;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& def) {
    return Find(section, key).value_or(def);
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    Write(section, key, std::to_string(value));
}

void QtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    Write(section, key, value);
}

bool QtProfileStore::Flush() {
    if (m_state->unsaved.empty()) {
        return true;
    }
    if (!QDir().mkpath(QFileInfo(m_state->path).absolutePath())) {
        return false;
    }
    const ProfileWriteLock lock(m_state->path);
    // Whatever sits at the path that is not a regular file is left alone: writing would replace
    // a device node or a pipe by a file.
    if (!lock.Held() || !NotWritableBecause(m_state->path).empty()) {
        return false;
    }
    // What another writer wrote since is kept where this profile has written nothing of its own,
    // as QSettings merges; a file that cannot be read now leaves this profile's values as they are.
    const ProfileBytes now = ReadProfileFile(m_state->path);
    if (now.problem.empty()) {
        m_state->file.emplace(now.bytes);
    }
    const QByteArray text = File().With(m_state->unsaved);
    if (!ReplaceProfileFile(m_state->path, text)) {
        return false;
    }
    m_state->file.emplace(text);
    m_state->unsaved.clear();
    return true;
}
