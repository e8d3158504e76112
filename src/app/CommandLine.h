#pragma once
// The command line, read twice. Before the application object exists (so without a display):
// --help and --version print and end the program. After the application object has taken
// Qt's own options out of it (-platform, -session, -style ... whatever the Qt version knows):
// an option left over is an error (exit status 2); other arguments are ignored.

#include <QStringList>

namespace sv {

struct CommandLineOutcome {
    bool proceed = true; // start the program
    int exitCode = 0;    // otherwise end with this
    QString output;      // for standard output
    QString error;       // one line for standard error
};

enum class CommandLineStage { BeforeQt, AfterQt };

CommandLineOutcome readCommandLine(const QStringList& arguments, CommandLineStage stage);

} // namespace sv
