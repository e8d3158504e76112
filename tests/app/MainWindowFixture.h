#pragma once
// A main window over a fake screen, for the widget tests.

#include "app/ComponentEditor.h"
#include "app/MainWindow.h"
#include "app/NotationPanel.h"
#include "settings/Options.h"
#include "support/FakeScreenReader.h"
#include "support/TemporarySettings.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

namespace sv::test {

struct MainWindowFixture {
    TemporarySettings settings;
    FakeScreenReader screen;
    Options options{settings.store};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(screen, options);

    // Shows the window; false when it never appeared.
    bool show() {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    ColorSelection& selection() { return window->selection(); }
    QString notation(Notation n) const { return window->notations()->field(n)->text(); }
    QLineEdit* field(Channel c) const { return window->editor()->field(c); }
};

// A test case over a fresh, shown main window for each test function.
class MainWindowTestCase : public QObject {
    Q_OBJECT
protected slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        QVERIFY(f_->show());
    }
    void cleanup() { f_.reset(); }

protected:
    std::unique_ptr<MainWindowFixture> f_;
};

} // namespace sv::test
