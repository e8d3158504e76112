#include "app/CommandLine.h"

#include "AppInfo.h"

#include <QCommandLineParser>

namespace sv {

namespace {

CommandLineOutcome ending(int exitCode, const QString& output, const QString& error) {
    CommandLineOutcome outcome;
    outcome.proceed = false;
    outcome.exitCode = exitCode;
    outcome.output = output;
    outcome.error = error;
    return outcome;
}

} // namespace

CommandLineOutcome readCommandLine(const QStringList& arguments, CommandLineStage stage) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A colour picker and colour analyst for people who build web pages and "
                       "programs."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption pick(
        QStringLiteral("pick"),
        QStringLiteral("Pick one colour from the screen, print it and exit: status 0 when a "
                       "colour is kept, 1 when the pick is cancelled, 2 when it cannot be made."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("With --pick: how the colour is written: a format name (see "
                       "--list-formats), the name of one of your own formats, or a template "
                       "such as '{r},{g},{b}'. The default is html."),
        QStringLiteral("name"), QStringLiteral("html"));
    const QCommandLineOption listFormats(
        QStringLiteral("list-formats"),
        QStringLiteral("List the format names with an example of each and exit."));
    const QCommandLineOption copy(
        QStringLiteral("copy"),
        QStringLiteral("With --pick: also put the colour on the clipboard, where it stays after "
                       "the program has ended."));
    const QCommandLineOption average(
        QStringLiteral("average"),
        QStringLiteral("With --pick: average a square of this many pixels a side (1, 3, 5 or "
                       "9) instead of the size chosen in the options."),
        QStringLiteral("n"));
    parser.addOption(help);
    parser.addOption(version);
    for (const QCommandLineOption* o : {&pick, &format, &listFormats, &copy, &average}) {
        parser.addOption(*o);
    }
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString name = QString::fromLatin1(kAppTitle);
    // Before the application object has taken its own options (-platform, -session, ...),
    // only --help and --version count; after, whatever is left must be ours.
    const bool parsed = parser.parse(arguments);
    if (!parsed && stage == CommandLineStage::AfterQt) {
        return ending(2, {}, name + QStringLiteral(": ") + parser.errorText());
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program; it is named as started.
        const QString started =
            arguments.isEmpty() ? name : arguments.front().section(QLatin1Char('/'), -1);
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), started);
        return ending(0, text, {});
    }
    if (parser.isSet(version)) {
        return ending(
            0, name + QLatin1Char(' ') + QString::fromLatin1(kVersionText) + QLatin1Char('\n'), {});
    }
    CommandLineOutcome outcome;
    if (parser.isSet(listFormats)) {
        outcome.proceed = false;
        outcome.listFormats = true;
        return outcome;
    }
    const auto error = [&](const QString& text) {
        return ending(2, {}, name + QStringLiteral(": ") + text);
    };
    for (const QCommandLineOption* o : {&format, &copy, &average}) {
        if (parser.isSet(*o) && !parser.isSet(pick)) {
            return error(QStringLiteral("--%1 needs --pick").arg(o->names().constFirst()));
        }
    }
    outcome.pick.requested = parser.isSet(pick);
    outcome.pick.format = parser.value(format);
    outcome.pick.copy = parser.isSet(copy);
    if (parser.isSet(average)) {
        const QString side = parser.value(average);
        if (!QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5"),
                         QStringLiteral("9")}
                 .contains(side)) {
            return error(QStringLiteral("--average takes 1, 3, 5 or 9, not \"%1\"").arg(side));
        }
        outcome.pick.sampleSize = side.toInt();
    }
    return outcome;
}

} // namespace sv
