#include "platform/qt/qt_profile_ini.h"

#include <QStringList>

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One line of the file from `at` on: a quoted part or a backslash carries it over a line break,
// and a ';' ends it (a line that starts with one is a comment and is passed over).
struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first '=' outside quotes, from start
};

Line NextLine(const QByteArray& data, qsizetype& at) {
    const qsizetype n = data.size();
    auto passSpace = [&](qsizetype i) {
        while (i < n && (IsBlank(data[i]) || data[i] == '\n' || data[i] == '\r')) {
            ++i;
        }
        return i;
    };
    Line line{passSpace(at)};
    qsizetype i = line.start;
    bool quoted = false;
    while (i < n) {
        const char c = data[i++];
        if (c == '=' && !quoted && line.equals < 0) {
            line.equals = i - 1 - line.start;
        } else if ((c == '\n' || c == '\r' || c == ';') && !quoted && i > line.start + 1) {
            --i;
            break;
        } else if (c == ';' && i == line.start + 1) {
            while (i < n && data[i] != '\n' && data[i] != '\r') {
                ++i;
            }
            line.start = i = passSpace(i);
        } else if (c == '\\' && i < n) {
            const char escaped = data[i++];
            if (i < n && (escaped == '\n' || escaped == '\r') && (data[i] == '\n' || data[i] == '\r') &&
                data[i] != escaped) {
                ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        }
    }
    line.length = i - line.start;
    at = i;
    return line;
}

// A key or section name: '\' stands for '/', %XX and %UXXXX for other characters.
QString UnescapedKey(const QByteArray& key) {
    QString result;
    for (qsizetype i = 0; i < key.size();) {
        const bool wide = key[i] == '%' && key.mid(i + 1, 1) == "U";
        const qsizetype first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
        bool ok = false;
        const int code =
            key[i] == '%' && first + digits <= key.size() ? key.mid(first, digits).toInt(&ok, 16) : 0;
        result += ok ? QChar(code) : key[i] == '\\' ? QChar(u'/') : QChar(QLatin1Char(key[i]));
        i = ok ? first + digits : i + 1;
    }
    return result;
}

void AppendEscapedKey(const QString& key, QByteArray& out) {
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c < 0x80 && QChar::isLetterOrNumber(c)) || c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else {
            out += (c <= 0xFF ? "%" : "%U") +
                   QByteArray::number(c, 16).toUpper().rightJustified(c <= 0xFF ? 2 : 4, '0');
        }
    }
}

// The text of a value and, when unquoted commas split it, its items.
QStringList UnescapedItems(const QByteArray& v) {
    static const char kEscapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    QStringList items;
    QString text;
    bool inQuotes = false, quoted = false, chopAtEnd = true;
    qsizetype i = 0, keep = 0; // trailing blanks from `keep` on are the file's, not the value's
    auto passBlanks = [&] {
        while (i < v.size() && IsBlank(v[i])) {
            ++i;
        }
        keep = text.size();
    };
    auto chop = [&] {
        qsizetype end = text.size();
        while (!quoted && end > keep && (text[end - 1] == u' ' || text[end - 1] == u'\t')) {
            --end;
        }
        text.truncate(end);
    };
    passBlanks();
    while (i < v.size()) {
        const char c = v[i];
        if (c == '\\') {
            const char e = ++i < v.size() ? v[i++] : 0;
            const char* simple = e ? std::strchr(kEscapes, e) : nullptr;
            if (simple && (simple - kEscapes) % 2 == 0) {
                text += QLatin1Char(simple[1]);
            } else if ((e == 'x' && i < v.size() && IsHexDigit(v[i])) || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                char16_t code = e == 'x' ? 0 : e - '0';
                for (bool ok = true; i < v.size(); ++i) {
                    const int digit = QByteArray(1, v[i]).toInt(&ok, base);
                    if (!ok) {
                        break;
                    }
                    code = static_cast<char16_t>(code * base + digit);
                }
                text += QChar(code);
            } else if (e == '\n' || e == '\r') {
                i += i < v.size() && (v[i] == '\n' || v[i] == '\r') && v[i] != e;
            } else if (!e || (e == 'x' && i == v.size())) {
                chopAtEnd = false;
                break;
            }
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                passBlanks();
            }
        } else if (c == ',' && !inQuotes) {
            chop();
            items += text;
            text.clear();
            quoted = false;
            ++i;
            passBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < v.size() && v[j] != '\\' && v[j] != '"' && v[j] != ',') {
                ++j;
            }
            text += QString::fromUtf8(v.constData() + i, j - i);
            i = j;
        }
    }
    if (chopAtEnd) {
        chop();
    }
    return items << text;
}

} // namespace

ProfileEntries ParseIni(const QByteArray& text) {
    const QByteArray data = text.startsWith("\xef\xbb\xbf") ? text.mid(3) : text;
    ProfileEntries entries;
    QString section;
    qsizetype at = 0;
    for (Line line = NextLine(data, at); line.length > 0; line = NextLine(data, at)) {
        const QByteArray content = data.mid(line.start, line.length);
        if (content.startsWith('[')) {
            const qsizetype close = content.indexOf(']');
            const QByteArray name = content.left(close < 0 ? content.size() : close).mid(1).trimmed();
            const bool general = name.compare("general", Qt::CaseInsensitive) == 0;
            const bool escapedGeneral = name.compare("%general", Qt::CaseInsensitive) == 0;
            section = general
                          ? QString()
                          : (escapedGeneral ? QString::fromLatin1(name.mid(1)) : UnescapedKey(name)) + u'/';
        } else if (line.equals >= 0) {
            const QString key = UnescapedKey(content.left(line.equals).trimmed());
            if (!key.isEmpty()) { // "=value" names nothing QSettings can read or write
                entries[section + key] = content.mid(line.equals + 1);
            }
        }
    }
    return entries;
}

namespace {

// A value as read ends where its line did. Written back before other lines, a quote left open
// or a backslash at its end would run on into them: the quote is closed and the backslash
// dropped, which reads as the same value.
QByteArray ClosedValue(const QByteArray& value) {
    bool quoted = false;
    bool escaped = false;
    for (const char c : value) {
        if (escaped) {
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c == '"') {
            quoted = !quoted;
        }
    }
    QByteArray closed = escaped ? value.chopped(1) : value;
    return quoted ? closed + '"' : closed;
}

} // namespace

QByteArray IniText(const ProfileEntries& entries) {
    std::map<QString, ProfileEntries> sections;
    for (const auto& [fullKey, value] : entries) {
        const qsizetype slash = fullKey.indexOf(u'/');
        sections[slash < 0 ? QString() : fullKey.left(slash)][fullKey.mid(slash + 1)] = value;
    }
    QByteArray text;
    for (const auto& [name, values] : sections) {
        QByteArray header;
        AppendEscapedKey(name, header);
        text += text.isEmpty() ? "" : "\n";
        text += header.isEmpty()                                      ? QByteArray("[General]")
                : header.compare("general", Qt::CaseInsensitive) == 0 ? QByteArray("[%General]")
                                                                      : '[' + header + ']';
        text += '\n';
        for (const auto& [key, value] : values) {
            AppendEscapedKey(key, text);
            text += '=' + ClosedValue(value) + '\n';
        }
    }
    return text;
}

QByteArray EscapedValue(const QString& text) {
    static const char kEscapes[] = "\a\b\f\n\r\t\v";
    static const char kLetters[] = "abfnrtv";
    const QString s = text.contains(QChar(0)) ? QStringLiteral("@String(") + text + u')'
                      : text.startsWith(u'@') ? u'@' + text
                                              : text;
    QByteArray out;
    bool quote = false, hexFollows = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        quote = quote || c == ';' || c == ',' || c == '=';
        const char* escape = c > 0 && c < 0x20 ? std::strchr(kEscapes, c) : nullptr;
        const bool hex = c < 0x20 && !escape;
        if (c == 0) {
            out += "\\0";
        } else if (hex || (hexFollows && IsHexDigit(c))) {
            out += "\\x" + QByteArray::number(c, 16);
        } else if (escape) {
            out += '\\' + QByteArray(1, kLetters[escape - kEscapes]);
        } else if (c == '"' || c == '\\') {
            out += '\\' + QByteArray(1, static_cast<char>(c));
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            out += s.mid(i++, 2).toUtf8();
        } else if (!s[i].isSurrogate()) {
            out += QString(s[i]).toUtf8();
        }
        hexFollows = c == 0 || hex || (hexFollows && IsHexDigit(c));
    }
    return quote || out.startsWith(' ') || out.endsWith(' ') ? '"' + out + '"' : out;
}

std::optional<QString> UnescapedValue(const QByteArray& escaped) {
    QStringList items = UnescapedItems(escaped);
    for (QString& item : items) {
        if (item.startsWith(u'@') && items.size() > 1 && !item.startsWith(QStringLiteral("@@"))) {
            return std::nullopt; // a list of stored Qt types
        }
        item.remove(0, items.size() > 1 && item.startsWith(QStringLiteral("@@")) ? 1 : 0);
    }
    const QString text = items.join(QStringLiteral(", "));
    if (items.size() > 1 || !text.startsWith(u'@')) {
        return text;
    }
    for (const char* wrapper : {"@String(", "@ByteArray("}) {
        if (text.startsWith(QLatin1String(wrapper)) && text.endsWith(u')')) {
            const QString inner = text.mid(qsizetype(std::strlen(wrapper))).chopped(1);
            return wrapper[1] == 'S' ? inner : QString::fromUtf8(inner.toLatin1());
        }
    }
    for (const char* type : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
        if ((text.startsWith(QLatin1String(type)) && text.endsWith(u')')) || text == u"@Invalid()") {
            return std::nullopt;
        }
    }
    return text.startsWith(QStringLiteral("@@")) ? text.mid(1) : text;
}
