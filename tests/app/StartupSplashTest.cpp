#include "app/StartupSplash.h"
#include "app/Mdi.h"
#include "dialogs/Options.h"
#include "controls/ProgressBar.h"
#include "support/FakeScreenReader.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace sv;

class FrmIntroTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsStore().clear();
        settingsStore().sync();
    }

    void loadsWithVisibleProgressThenShowsTheMainWindow() {
        test::FakeScreenReader screen;
        Options options;
        settingsStore().setValue(QStringLiteral("OPTIONS/Zoom"), QStringLiteral("3"));
        StartupSplash splash(screen, options);
        QCOMPARE(splash.progressBar()->value(), 10);
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblVersao"))->text(),
                 QStringLiteral("Version: 2.0.6"));
        QCOMPARE(splash.caption(), QStringLiteral("Loading... files..."));
        splash.show();

        QSignalSpy progress(&splash, &StartupSplash::progress);
        QSignalSpy finished(&splash, &StartupSplash::finished);
        splash.runLoading();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);

        QList<int> values;
        for (const auto& args : progress) {
            values << args.at(0).toInt();
        }
        QCOMPARE(values.mid(0, 6), (QList<int>{40, 70, 80, 90, 100, 1}));
        QCOMPARE(values.size(), 5 + 2031);
        QCOMPARE(values.last(), 2031);
        QCOMPARE(progress.at(5).at(1).toString(), QStringLiteral("Loading... Color...Acadia.."));
        QCOMPARE(progress.last().at(1).toString(), QStringLiteral("Loading... Color...Zydeco.."));
        QCOMPARE(splash.progressBar()->max(), 2031);
        QCOMPARE(splash.progressBar()->percent(), 100);

        Mdi* mdi = splash.mainWindow();
        QVERIFY(mdi != nullptr);
        QVERIFY(mdi->isVisible());
        QVERIFY(!splash.isVisible());
        QCOMPARE(options.zoom(), 3);
        // With no Default.pal the built-in palette is loaded: swatch 1 is white.
        QCOMPARE(mdi->currentColor(), kWhite);
        QCOMPARE(mdi->findChild<QLineEdit*>(QStringLiteral("txtHEX_HTML"))->text(),
                 QStringLiteral("#FFFFFF"));
        QCOMPARE(mdi->namesList(1)->count(), 2031);
        QCOMPARE(mdi->namesList(2)->itemText(2030), QStringLiteral("Zydeco"));
        QCOMPARE(mdi->namesList(1)->currentIndex(), -1);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void doubleClickHidesTheSplashAndLoadingGoesOn() {
        test::FakeScreenReader screen;
        Options options;
        StartupSplash splash(screen, options);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::mouseDClick(&splash, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        // The timer still runs the loading.
        QSignalSpy finished(&splash, &StartupSplash::finished);
        QVERIFY(finished.wait(5000));
        QVERIFY(splash.mainWindow()->isVisible());
    }
};

QTEST_MAIN(FrmIntroTest)
#include "FrmIntroTest.moc"
