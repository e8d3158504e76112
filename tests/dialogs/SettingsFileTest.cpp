// The settings file as it may be found: with a value Qt cannot decode, where no file can be
// made, or a named pipe. Each case runs in a process of its own (see CMakeLists.txt), since
// the store is opened once a run.

#include "dialogs/Options.h"
#include "dialogs/OptionsWindow.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace sv;

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void savingOneOptionLeavesTheOthersAsTheyWere() {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QFile f(settingsPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[OPTIONS]\nZoom=@Variant(\\0\\0\\0\\x7f\\0\\0)\nStopCapture=2\n");
        f.close();
        QCOMPARE(settingsStore()->fileName(), settingsPath());
        Options options;
        options.load();
        QCOMPARE(options.zoom(), ZoomLevel::Times10); // unreadable: the default
        QCOMPARE(options.stopCapture(), StopCapture::OnRelease);
        options.setAndStore(OptionKey::CreateGradient, 2);
        const QByteArray saved = test::readFile(settingsPath());
        QVERIFY2(saved.contains("Zoom=@Variant(\\0\\0\\0\\x7f\\0\\0)\n"), saved.constData());
        QVERIFY(saved.contains("CreateGradient=2\n"));
        QVERIFY(saved.contains("StopCapture=2\n"));
    }

    void optionsThatCannotBeSavedSaySoOnceAndWhere() {
        // A file where the settings folder should be: no settings file can be made.
        QFile blocker(QFileInfo(settingsPath()).path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QWidget main;
        Options options;
        OptionsWindow window(&main, options);
        window.show();
        QSignalSpy failed(&options, &Options::cannotStore);
        QTest::mouseClick(window.zoomButton(3), Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(window.zoomButton(1), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(options.zoom(), ZoomLevel::Times5); // still in effect
        auto* box = window.findChild<QMessageBox*>();
        QVERIFY(box != nullptr && box->isVisible());
        QVERIFY(box->text().contains(QDir::toNativeSeparators(settingsPath())));
    }

    void aNamedPipeIsNotRead() {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QCOMPARE(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
        // Reading a pipe would wait for a writer for good.
        QVERIFY(settingsStore() == nullptr);
        Options options;
        options.load();
        QCOMPARE(options.zoom(), ZoomLevel::Times10);
        QSignalSpy failed(&options, &Options::cannotStore);
        options.setAndStore(OptionKey::Zoom, 3);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(options.zoom(), ZoomLevel::Times20);
    }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
