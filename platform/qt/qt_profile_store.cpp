#include "platform/qt/qt_profile_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <charconv>
#include <limits>
#include <system_error>
#include <utility>

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

QtProfileStore::QtProfileStore(const std::string& organization, const std::string& application)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromStdString(organization),
                                             QString::fromStdString(application))) {
    // The profile is the user's own; organisation-wide or system-wide files must not leak in.
    m_settings->setFallbacksEnabled(false);
}

QtProfileStore::QtProfileStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {
    m_settings->setFallbacksEnabled(false);
}

std::unique_ptr<QtProfileStore> QtProfileStore::AtPath(const std::string& iniPath) {
    auto settings = std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat);
    return std::unique_ptr<QtProfileStore>(new QtProfileStore(std::move(settings)));
}

QtProfileStore::~QtProfileStore() = default;

int QtProfileStore::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const QVariant v = m_settings->value(FullKey(section, key));
    if (!v.isValid()) {
        return def;
    }
    int value = 0;
    const bool whole = v.typeId() == QMetaType::QString ? ParseWholeNumber(v.toString().toStdString(), value)
                                                        : IntFromInteger(v, value);
    return whole ? value : def;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& def) {
    const QVariant v = m_settings->value(FullKey(section, key));
    if (!v.isValid()) {
        return def;
    }
    // A hand-edited INI line with bare commas reads as a list; we always quote ours.
    if (v.typeId() == QMetaType::QStringList) {
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    if (!v.canConvert<QString>()) {
        return def;
    }
    return v.toString().toStdString();
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    m_settings->setValue(FullKey(section, key), value);
}

void QtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    m_settings->setValue(FullKey(section, key), QString::fromStdString(value));
}

bool QtProfileStore::Flush() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
