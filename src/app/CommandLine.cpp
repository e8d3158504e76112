#include "app/CommandLine.h"

#include "AppInfo.h"

#include <QCommandLineParser>

namespace sv {

CommandLineOutcome readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A colour picker and colour analyst for people who build web pages and "
                       "programs."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    // Qt's own options (-platform, -display, ...) are left to the application object.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString name = QString::fromLatin1(kAppTitle);
    const QStringList qtOptions{QStringLiteral("platform"),        QStringLiteral("display"),
                                QStringLiteral("geometry"),        QStringLiteral("style"),
                                QStringLiteral("stylesheet"),      QStringLiteral("reverse"),
                                QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
                                QStringLiteral("qwindowicon"),     QStringLiteral("plugin")};
    for (const QString& o : qtOptions) {
        QCommandLineOption option(o);
        if (o != QLatin1String("reverse")) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return {false, 2, {}, name + QStringLiteral(": ") + parser.errorText()};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program; it is named as started.
        const QString started =
            arguments.isEmpty() ? name : arguments.front().section(QLatin1Char('/'), -1);
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), started);
        return {false, 0, text, {}};
    }
    if (parser.isSet(version)) {
        return {false,
                0,
                name + QLatin1Char(' ') + QString::fromLatin1(kVersionText) + QLatin1Char('\n'),
                {}};
    }
    return {};
}

} // namespace sv
