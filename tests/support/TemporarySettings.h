#pragma once
// Settings in a file of the test's own, in a folder that goes with the test: nothing in the
// environment is needed to find them, and nothing is left for the next test.

#include "settings/Options.h"

#include <QTemporaryDir>

namespace sv::test {

struct TemporarySettings {
    QTemporaryDir folder;
    SettingsFile store{folder.filePath(QStringLiteral("Spectrivue.conf"))};
};

} // namespace sv::test
