#pragma once
// A main window over a fake screen, for the widget tests.

#include "app/Mdi.h"
#include "dialogs/Options.h"
#include "support/FakeScreenReader.h"

#include <QLineEdit>
#include <memory>

namespace sv::test {

struct MdiFixture {
    FakeScreenReader screen;
    Options options;
    std::unique_ptr<Mdi> mdi;

    MdiFixture() : mdi(std::make_unique<Mdi>(screen, options)) {}

    QLineEdit* field(const char* name) const {
        return mdi->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return field(name)->text(); }
};

} // namespace sv::test
