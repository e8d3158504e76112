#include "app/CommandLine.h"

#include "AppInfo.h"

#include <QCommandLineParser>

namespace sv {

CommandLineOutcome readCommandLine(const QStringList& arguments, CommandLineStage stage) {
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
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString name = QString::fromLatin1(kAppTitle);
    // Before the application object has taken its own options (-platform, -session, ...),
    // only --help and --version count; after, whatever is left must be ours.
    const bool parsed = parser.parse(arguments);
    if (!parsed && stage == CommandLineStage::AfterQt) {
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
