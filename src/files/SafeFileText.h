#pragma once
// Why a file could not be opened or written, as the sentence a message box shows.

#include "files/SafeFile.h"

#include <QString>

namespace sv {

// "It is not a regular file.", "Permission denied." ...; empty when it opened.
QString openFailureText(const OpenedFile& opened);
// The system's text for an errno value, as Qt text.
QString systemErrorQText(int errorNumber);

} // namespace sv
