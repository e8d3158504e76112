#include "app/StartupSplash.h"
#include "app/MainWindow.h"
#include "controls/ProgressBar.h"
#include "palette/NamesPanel.h"
#include "palette/SwatchGrid.h"
#include "settings/Options.h"
#include "support/FakeScreenReader.h"
#include "support/TemporarySettings.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace sv;

class StartupSplashTest : public QObject {
    Q_OBJECT
private slots:
    void loadsWithVisibleProgressThenShowsTheMainWindow() {
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::IndexPicMask, 3);
        MainWindow window(screen, options);
        StartupSplash splash([&]() -> MainWindow& { return window; });
        QCOMPARE(splash.progressBar()->value(), 10);
        QCOMPARE(splash.versionText(), QStringLiteral("Version: 2.0.6"));
        QCOMPARE(splash.caption(), QStringLiteral("Loading... files..."));
        splash.show();

        QSignalSpy progress(&splash, &StartupSplash::progress);
        QSignalSpy finished(&splash, &StartupSplash::finished);
        splash.runLoading();
        QCOMPARE(finished.count(), 1);
        QList<int> values;
        for (const auto& args : progress) {
            values << args.at(0).toInt();
        }
        QCOMPARE(values.mid(0, 6), (QList<int>{40, 70, 80, 90, 100, 1}));
        QCOMPARE(values.size(), 5 + 2031);
        QCOMPARE(values.last(), 2031);
        QCOMPARE(progress.at(5).at(1).toString(), QStringLiteral("Loading... Color...Acadia.."));
        QCOMPARE(progress.last().at(1).toString(), QStringLiteral("Loading... Color...Zydeco.."));
        QCOMPARE(splash.progressBar()->percent(), 100);

        QVERIFY(window.isVisible());
        QVERIFY(!splash.isVisible());
        // No Default.pal: the built-in palette, whose swatch 1 is white, both current and last.
        QCOMPARE(window.selection().current(), kWhite);
        QCOMPARE(window.selection().previous(), kWhite);
        QCOMPARE(window.namesPanel()->secondList()->itemText(2030), QStringLiteral("Zydeco"));
        QCOMPARE(window.namesPanel()->firstList()->currentIndex(), -1);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // The splash waits for nothing: the main window is made behind it once it is on the
    // screen, well before loading starts, and only once.
    void theMainWindowIsMadeOnceTheSplashIsUp() {
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        std::unique_ptr<MainWindow> window;
        StartupSplash* splashSeen = nullptr;
        bool exposedWhenMade = false;
        int made = 0;
        StartupSplash splash([&]() -> MainWindow& {
            if (!window) {
                ++made;
                exposedWhenMade = splashSeen != nullptr && splashSeen->isVisible();
                window = std::make_unique<MainWindow>(screen, options);
            }
            return *window;
        });
        splashSeen = &splash;
        QSignalSpy finished(&splash, &StartupSplash::finished);
        splash.show();
        QCOMPARE(made, 0);
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTRY_COMPARE_WITH_TIMEOUT(made, 1, 1000);
        QVERIFY(exposedWhenMade);
        QVERIFY(!window->isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(5000));
        QCOMPARE(made, 1);
        QVERIFY(window->isVisible());
    }

    void doubleClickHidesTheSplashAndLoadingGoesOn() {
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        StartupSplash splash([&]() -> MainWindow& { return window; });
        QElapsedTimer shown;
        shown.start();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::mouseDClick(&splash, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        QSignalSpy finished(&splash, &StartupSplash::finished);
        QVERIFY(finished.wait(5000));
        QVERIFY(window.isVisible());
        // The full 1.5 s from the moment the splash is shown (timers count whole milliseconds).
        QVERIFY2(shown.elapsed() >= 1499, qPrintable(QString::number(shown.elapsed())));
    }
};

QTEST_MAIN(StartupSplashTest)
#include "StartupSplashTest.moc"
