#include "platform/profile/qt_profile_store.h"

#include "platform/diagnostics.h"
#include "platform/profile/qt_profile_file.h"
#include "platform/profile/qt_profile_ini.h"
#include "platform/profile/qt_profile_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <charconv>
#include <limits>
#include <system_error>

namespace {

QString FullKey(const std::string& section, const std::string& key) {
    const QString k = QString::fromStdString(key);
    return section.empty() ? k : QString::fromStdString(section) + QLatin1Char('/') + k;
}

// Only an optional minus and decimal digits, nothing around them, within int range:
// anything else is not a whole number and the caller's default applies.
bool ParseWholeNumber(const std::string& text, int& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    int value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc() || end != last) {
        return false;
    }
    out = value;
    return true;
}

// Integer variants, as the registry hands back DWORDs and QWORDs; anything outside int is not ours.
bool IntFromInteger(const QVariant& v, int& out) {
    bool ok = false;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong wide = v.toLongLong(&ok);
        if (!ok || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) {
            return false;
        }
        out = static_cast<int>(wide);
        return true;
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong wide = v.toULongLong(&ok);
        if (!ok || wide > static_cast<qulonglong>(std::numeric_limits<int>::max())) {
            return false;
        }
        out = static_cast<int>(wide);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

struct QtProfileStore::State {
    QString path;
    bool loaded = false;
    ProfileValues values;
    ProfileValues unsaved;     // written since the last Flush
    FileIdentity diskIdentity; // the file as last read or written here
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

void QtProfileStore::LoadOnce() {
    if (m_state->loaded) {
        return;
    }
    m_state->loaded = true;
    const ProfileBytes file = ReadProfileFile(m_state->path);
    m_state->diskIdentity = file.identity;
    if (!file.problem.empty()) {
        ReportProblem("the settings file " + m_state->path.toStdString() + " is " + file.problem +
                      "; the defaults are used");
    }
    std::optional<ProfileValues> values = ParseProfileText(file.bytes);
    if (!values) {
        ReportProblem("no temporary folder to read the settings in; the defaults are used");
        return;
    }
    m_state->values = std::move(*values);
}

const QVariant* QtProfileStore::Find(const std::string& section, const std::string& key) {
    LoadOnce();
    const auto found = m_state->values.find(FullKey(section, key));
    return found == m_state->values.end() ? nullptr : &found->second;
}

void QtProfileStore::Write(const std::string& section, const std::string& key, const QVariant& value) {
    LoadOnce();
    const QString fullKey = FullKey(section, key);
    m_state->values[fullKey] = value;
    m_state->unsaved[fullKey] = value;
}

int QtProfileStore::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const QVariant* v = Find(section, key);
    if (!v) {
        return def;
    }
    int value = 0;
    const bool whole = v->typeId() == QMetaType::QString
                           ? ParseWholeNumber(v->toString().toStdString(), value)
                           : IntFromInteger(*v, value);
    return whole ? value : def;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& def) {
    const QVariant* v = Find(section, key);
    if (!v) {
        return def;
    }
    // A hand-edited INI line with bare commas reads as a list; we always quote ours.
    if (v->typeId() == QMetaType::QStringList) {
        return v->toStringList().join(QStringLiteral(", ")).toStdString();
    }
    if (!v->canConvert<QString>()) {
        return def;
    }
    return v->toString().toStdString();
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    Write(section, key, value);
}

void QtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    Write(section, key, QString::fromStdString(value));
}

// Another writer replaced the file since it was read here: its values are kept where this
// profile has written nothing of its own, as QSettings merges. What cannot be read now leaves
// this profile's own values as they are.
void QtProfileStore::TakeInChangesOnDisk() {
    const ProfileBytes file = ReadProfileFile(m_state->path);
    std::optional<ProfileValues> values = ParseProfileText(file.bytes);
    if (!file.problem.empty() || !values) {
        return;
    }
    m_state->values = std::move(*values);
    for (const auto& [key, value] : m_state->unsaved) {
        m_state->values[key] = value;
    }
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
    if (IdentityOf(m_state->path) != m_state->diskIdentity) {
        TakeInChangesOnDisk();
    }
    const std::optional<QByteArray> text = ProfileText(m_state->values);
    if (!text || !ReplaceProfileFile(m_state->path, *text)) {
        return false;
    }
    m_state->diskIdentity = IdentityOf(m_state->path);
    m_state->unsaved.clear();
    return true;
}
