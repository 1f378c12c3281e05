#include "platform/qt/qt_profile_store.h"

#include "platform/diagnostics.h"
#include "platform/qt/qt_profile_file.h"
#include "platform/qt/qt_profile_ini.h"
#include "platform/qt/qt_profile_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>

namespace {

QString FullKey(const std::string& section, const std::string& key) {
    const QString k = QString::fromStdString(key);
    return section.empty() ? k : QString::fromStdString(section) + u'/' + k;
}

// Only an optional minus and decimal digits, nothing around them, within int range:
// anything else is not a whole number and the caller's default applies.
bool ParseStoredInt(const std::string& text, int& out) {
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, out, 10);
    return ec == std::errc() && end == last;
}

} // namespace

struct QtProfileStore::State {
    QString path;
    bool loaded = false;
    ProfileEntries values;
    ProfileEntries unsaved; // written since the last Flush
};

QtProfileStore::QtProfileStore(const std::string& organization, const std::string& application)
    : QtProfileStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                     QString::fromStdString(organization) + u'/' + QString::fromStdString(application) +
                     QStringLiteral(".conf")) {}

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

std::optional<std::string> QtProfileStore::Find(const std::string& section, const std::string& key) {
    if (!m_state->loaded) {
        m_state->loaded = true;
        const ProfileBytes file = ReadProfileFile(m_state->path);
        if (!file.problem.empty()) {
            ReportProblem("the settings file " + FilePath() + " is " + file.problem +
                          "; the defaults are used");
        }
        m_state->values = ParseIni(file.bytes);
    }
    const auto found = m_state->values.find(FullKey(section, key));
    const std::optional<QString> text =
        found == m_state->values.end() ? std::nullopt : UnescapedValue(found->second);
    return text ? std::optional<std::string>(text->toStdString()) : std::nullopt;
}

void QtProfileStore::Write(const std::string& section, const std::string& key, const QString& value) {
    Find(section, key); // loads the file first
    m_state->values[FullKey(section, key)] = m_state->unsaved[FullKey(section, key)] = EscapedValue(value);
}

int QtProfileStore::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const std::optional<std::string> text = Find(section, key);
    int value = 0;
    return text && ParseStoredInt(*text, value) ? value : def;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& def) {
    return Find(section, key).value_or(def);
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    Write(section, key, QString::number(value));
}

void QtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    Write(section, key, QString::fromStdString(value));
}

bool QtProfileStore::Flush() {
    if (m_state->unsaved.empty()) {
        return true;
    }
    if (!QDir().mkpath(QFileInfo(m_state->path).absolutePath())) {
        return false;
    }
    const ProfileWriteLock lock(m_state->path);
    if (!lock.Held()) {
        return false;
    }
    // What another writer wrote since is kept where this profile has written nothing of its own,
    // as QSettings merges. What cannot be read now leaves this profile's values as they are.
    const ProfileBytes file = ReadProfileFile(m_state->path);
    if (file.problem.empty()) {
        m_state->values = ParseIni(file.bytes);
        for (const auto& [key, value] : m_state->unsaved) {
            m_state->values[key] = value;
        }
    }
    if (!ReplaceProfileFile(m_state->path, IniText(m_state->values))) {
        return false;
    }
    m_state->unsaved.clear();
    return true;
}
