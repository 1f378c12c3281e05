#include "platform/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr int kBadArguments = 2;

CommandLine Refuse(const QString& program, const QString& why) {
    CommandLine line;
    line.exitStatus = kBadArguments;
    line.text =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why).toStdString();
    return line;
}

CommandLine Answer(const QString& text) {
    CommandLine line;
    line.exitStatus = 0;
    line.text = text.toStdString();
    return line;
}

} // namespace

std::optional<int> ParseWholeNumber(const std::string& text, int max) {
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > max) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, int maxMinutes,
                             const std::string& version) {
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromLocal8Bit(arg.c_str());
    }
    const QString program =
        arguments.isEmpty() ? QStringLiteral("brewdial") : QFileInfo(arguments[0]).fileName();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A timer in the system tray: an alarm at a time of day, a countdown or a stopwatch.\n"
                       "A start while Brewdial runs hands its options to the running program,\n"
                       "and with no options brings up its main dialog."));
    // The session manager restarts the program with Qt's "-session ID".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Print the version and exit."));
    const QCommandLineOption countdown(
        QStringLiteral("countdown"),
        QStringLiteral("Start a countdown of MINUTES minutes (1 to %1).").arg(maxMinutes),
        QStringLiteral("MINUTES"));
    const QCommandLineOption quick(QStringLiteral("quick"),
                                   QStringLiteral("Start quick timer N (1, 2 or 3) of the tray menu."),
                                   QStringLiteral("N"));
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("Bring up the main dialog."));
    QCommandLineOption session(QStringLiteral("session"), QString(), QStringLiteral("ID"));
    session.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, versionOption, countdown, quick, show, session});

    if (!parser.parse(arguments)) {
        return Refuse(program, parser.errorText());
    }
    if (parser.isSet(help)) {
        // Qt names the program by its whole path, or not at all before the application exists.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(program));
        return Answer(text);
    }
    if (parser.isSet(versionOption)) {
        return Answer(QStringLiteral("%1 %2\n").arg(program, QString::fromStdString(version)));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(program,
                      QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments()[0]));
    }
    for (const QCommandLineOption* once : {&countdown, &quick}) {
        if (parser.optionNames().count(once->names()[0]) > 1) {
            return Refuse(program, QStringLiteral("--%1 is given more than once.").arg(once->names()[0]));
        }
    }
    if (parser.isSet(countdown) && parser.isSet(quick)) {
        return Refuse(program, QStringLiteral("--countdown and --quick cannot be used together."));
    }

    CommandLine line;
    line.request.show = parser.isSet(show);
    if (parser.isSet(countdown)) {
        const QString value = parser.value(countdown);
        const std::optional<int> minutes = ParseWholeNumber(value.toStdString(), maxMinutes);
        if (!minutes) {
            return Refuse(program, QStringLiteral("--countdown takes whole minutes from 1 to %1, not '%2'.")
                                       .arg(maxMinutes)
                                       .arg(value));
        }
        line.request.countdownMinutes = *minutes;
    }
    if (parser.isSet(quick)) {
        const QString value = parser.value(quick);
        const std::optional<int> number = ParseWholeNumber(value.toStdString(), 3);
        if (!number) {
            return Refuse(program, QStringLiteral("--quick takes 1, 2 or 3, not '%1'.").arg(value));
        }
        line.request.quickTimer = *number;
    }
    return line;
}
