#pragma once
// The command line: --help and --version print and end the program before any window opens;
// an option it does not know is an error (exit status 2); other arguments are ignored. Read before the application object exists, so
// it works without a display.

#include <QStringList>

namespace sv {

struct CommandLineOutcome {
    bool proceed = true; // start the program
    int exitCode = 0;    // otherwise end with this
    QString output;      // for standard output
    QString error;       // one line for standard error
};

CommandLineOutcome readCommandLine(const QStringList& arguments);

} // namespace sv
