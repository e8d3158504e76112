#pragma once
// The command line, read twice. Before the application object exists (so without a display):
// --help, --version and --list-formats print and end the program, and a pick's options are
// checked. After the application object has taken Qt's own options out of it (-platform,
// -session, -style ... whatever the Qt version knows): an option left over is an error (exit
// status 2); other arguments are ignored.

#include <QString>
#include <QStringList>

namespace sv {

// What --pick asks for.
struct PickRequest {
    bool requested = false;
    QString format;     // a format name or a template; --format, else "html"
    bool copy = false;  // --copy
    int sampleSize = 0; // --average: 1, 3, 5 or 9; 0 for the stored size
};

struct CommandLineOutcome {
    bool proceed = true;      // start the program
    int exitCode = 0;         // otherwise end with this
    QString output;           // for standard output
    QString error;            // one line for standard error
    bool listFormats = false; // print the formats (the caller knows the user's own) and end
    PickRequest pick;
};

enum class CommandLineStage { BeforeQt, AfterQt };

CommandLineOutcome readCommandLine(const QStringList& arguments, CommandLineStage stage);

} // namespace sv
