#include "files/SafeFileText.h"

#include <QCoreApplication>

namespace sv {

QString openFailureText(const OpenedFile& opened) {
    switch (opened.failure) {
    case OpenFailure::None:
        return {};
    case OpenFailure::Missing:
        return QCoreApplication::translate("sv::SafeFileText", "No such file.");
    case OpenFailure::Folder:
        return QCoreApplication::translate("sv::SafeFileText", "It is a folder, not a file.");
    case OpenFailure::NotRegular:
        return QCoreApplication::translate("sv::SafeFileText", "It is not a regular file.");
    case OpenFailure::TooLarge:
        return QCoreApplication::translate("sv::SafeFileText", "The file is too large.");
    case OpenFailure::Link:
        return QCoreApplication::translate("sv::SafeFileText",
                                           "It is a symbolic link, not a file.");
    case OpenFailure::System:
        break;
    }
    return systemErrorQText(opened.errorNumber) + QLatin1Char('.');
}

QString systemErrorQText(int errorNumber) {
    return QString::fromLocal8Bit(systemErrorText(errorNumber).c_str());
}

} // namespace sv
