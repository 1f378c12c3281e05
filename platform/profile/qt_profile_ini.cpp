#include "platform/profile/qt_profile_ini.h"

#include <QString>

#include <cstring>

namespace {

// Escapes QSettings writes and reads as a letter after a backslash, and what they stand for.
constexpr char kEscaped[] = "\a\b\f\n\r\t\v\"\\";
constexpr char kLetters[] = "abfnrtv\"\\";

int DigitValue(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return c >= '0' && c <= '9' ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
}

// A control character as QSettings escapes it: its number in as few hex digits as it takes.
std::string HexEscape(unsigned char code) {
    const char digits[] = "0123456789abcdef";
    return std::string("\\x") + (code > 15 ? std::string(1, digits[code >> 4]) : "") + digits[code & 15];
}

} // namespace

IniValues ParsedIni(QByteArrayView text) {
    const auto trimmed = [](QByteArrayView part) {
        part = part.trimmed();
        return std::string(part.data(), static_cast<size_t>(part.size()));
    };
    IniValues values;
    std::string section;
    for (qsizetype at = text.startsWith("\xef\xbb\xbf") ? 3 : 0, end = at; at < text.size(); at = end + 1) {
        for (end = at; end < text.size() && text[end] != '\n' && text[end] != '\r';) {
            ++end;
        }
        const QByteArrayView line = text.sliced(at, end - at).trimmed();
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = trimmed(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            section = section == "General" ? "" : section; // the keys outside any section
        } else if (equals > 0 && !line.startsWith(';')) {
            values[{section, trimmed(line.first(equals))}] = trimmed(line.sliced(equals + 1));
        }
    }
    return values;
}

QByteArray IniText(const IniValues& values) {
    QByteArray out;
    const std::string* section = nullptr;
    for (const auto& [key, value] : values) {
        if (!section || *section != key.first) {
            section = &key.first;
            const std::string& name = section->empty() ? std::string("General") : *section;
            out.append(out.isEmpty() ? "[" : "\n[").append(name.data(), name.size()).append("]\n");
        }
        out.append(key.second.data(), key.second.size())
            .append('=')
            .append(value.data(), value.size())
            .append('\n');
    }
    return out;
}

std::string EncodedValue(const std::string& value) {
    const std::string text = value.find('\0') != std::string::npos ? "@String(" + value + ')'
                             : value.rfind('@', 0) == 0            ? '@' + value
                                                                   : value;
    std::string out;
    bool digitsEscaped = false; // after a numeric escape, which would take them in
    for (const char c : text) {
        const char* escaped = c == 0 ? nullptr : std::strchr(kEscaped, c);
        const auto code = static_cast<unsigned char>(c);
        if (digitsEscaped && DigitValue(c) < 16) {
            out += HexEscape(code);
            continue;
        }
        digitsEscaped = code < 0x20 && !escaped;
        if (escaped) {
            out += '\\';
            out += kLetters[escaped - kEscaped];
        } else if (digitsEscaped) {
            out += code == 0 ? "\\0" : HexEscape(code);
        } else {
            out += c;
        }
    }
    const bool quoted = text.find_first_of(";,=") != std::string::npos ||
                        (!out.empty() && (out.front() == ' ' || out.back() == ' '));
    return quoted ? '"' + out + '"' : out;
}

// Quotes keep what they hold, blanks and ';' included; an escape that stands for nothing is dropped.
std::optional<std::string> DecodedValue(const std::string& v) {
    std::string text;
    bool quoted = false;
    size_t kept = 0; // blanks before this index are the value's own
    for (size_t i = 0; i < v.size() && (quoted || v[i] != ';'); ++i) {
        const char c = v[i];
        const char e = c == '\\' && i + 1 < v.size() ? v[++i] : 0;
        const char* letter = e != 0 ? std::strchr(kLetters, e) : nullptr;
        const int base = e == 'x' ? 16 : e >= '0' && e <= '7' ? 8 : 0;
        if (c == '"') {
            quoted = !quoted;
        } else if (letter) {
            text += kEscaped[letter - kLetters];
        } else if (e == '?' || e == '\'') {
            text += e;
        } else if (base > 0) {
            char32_t code = base == 8 ? e - '0' : 0;
            const size_t first = i;
            for (; i + 1 < v.size() && DigitValue(v[i + 1]) < base; ++i) {
                code = code * base + DigitValue(v[i + 1]);
            }
            if (base == 8 || i > first) {
                text += QString(QChar(static_cast<char16_t>(code))).toStdString();
            }
        } else if (c != '\\') {
            text += c;
            kept = !quoted && (c == ' ' || c == '\t') ? kept : text.size();
            continue;
        }
        kept = text.size();
    }
    text.resize(quoted ? text.size() : kept);
    if (text.rfind("@@", 0) == 0) {
        text.erase(0, 1);
    } else if (text.rfind('@', 0) == 0 && text.back() == ')') {
        // A value of another type, written by QSettings: not ours to deserialise.
        for (const std::string type : {"@String(", "@ByteArray("}) {
            if (text.rfind(type, 0) == 0) {
                return text.substr(type.size(), text.size() - type.size() - 1);
            }
        }
        return std::nullopt;
    }
    return text;
}
