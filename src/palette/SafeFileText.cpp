#include "palette/SafeFileText.h"

namespace sv {

QString openFailureText(const OpenedFile& opened) {
    switch (opened.failure) {
    case OpenFailure::None:
        return {};
    case OpenFailure::Missing:
        return QStringLiteral("No such file.");
    case OpenFailure::Folder:
        return QStringLiteral("It is a folder, not a file.");
    case OpenFailure::NotRegular:
        return QStringLiteral("It is not a regular file.");
    case OpenFailure::TooLarge:
        return QStringLiteral("The file is too large.");
    case OpenFailure::Link:
        return QStringLiteral("It is a symbolic link, not a file.");
    case OpenFailure::System:
        break;
    }
    return systemErrorQText(opened.errorNumber) + QLatin1Char('.');
}

QString systemErrorQText(int errorNumber) {
    return QString::fromLocal8Bit(systemErrorText(errorNumber).c_str());
}

} // namespace sv
