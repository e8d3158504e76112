// The settings file as it may be found: with a value Qt cannot decode, where no file can be
// made, or a named pipe. Each case runs in a process of its own (see CMakeLists.txt), since
// the store is opened once a run.

#include "dialogs/OptionsWindow.h"
#include "settings/Options.h"

#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
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
        Options options(settingsFile());
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
        Options options(settingsFile());
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
        QVERIFY(!settingsFile().read());
        Options options(settingsFile());
        options.load();
        QCOMPARE(options.zoom(), ZoomLevel::Times10);
        QSignalSpy failed(&options, &Options::cannotStore);
        options.setAndStore(OptionKey::Zoom, 3);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(options.zoom(), ZoomLevel::Times20);
        QVERIFY2(isFifo(settingsPath()), "what is not ours is not replaced");
    }

    // The file is fine at start-up and swapped for something else while the program runs: a
    // pipe (which would block the next save for good) or a huge file. Neither is read nor
    // replaced, and the change is still in effect.
    void aFileSwappedWhileRunningIsNeitherReadNorReplaced() {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QVERIFY(test::writeFile(settingsPath(), "[OPTIONS]\nZoom=1\n"));
        Options options(settingsFile());
        options.load();
        QCOMPARE(options.zoom(), ZoomLevel::Times5);
        QSignalSpy failed(&options, &Options::cannotStore);

        QVERIFY(QFile::remove(settingsPath()));
        QCOMPARE(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
        options.setAndStore(OptionKey::Zoom, 3);
        QCOMPARE(options.zoom(), ZoomLevel::Times20);
        QCOMPARE(failed.count(), 1);
        QVERIFY(isFifo(settingsPath()));

        QVERIFY(QFile::remove(settingsPath()));
        const QByteArray huge(2 * 1024 * 1024, 'x');
        QVERIFY(test::writeFile(settingsPath(), huge));
        options.setAndStore(OptionKey::StopCapture, 2);
        QCOMPARE(options.stopCapture(), StopCapture::OnRelease);
        QCOMPARE(test::readFile(settingsPath()), huge);
    }

    // Another copy of the program saved an option since this one started: both are kept.
    void aChangeSavedByAnotherCopyIsKept() {
        Options first(settingsFile());
        first.load();
        first.setAndStore(OptionKey::Zoom, 3);
        QVERIFY(settingsFile().change([](SettingsMap& s) { s["OPTIONS/StopCapture"] = "2"; }));
        first.setAndStore(OptionKey::IndexPicMask, 4);
        Options again(settingsFile());
        again.load();
        QCOMPARE(again.zoom(), ZoomLevel::Times20);
        QCOMPARE(again.stopCapture(), StopCapture::OnRelease);
        QCOMPARE(again.swatchMask(), SwatchMask::Mask4);
        // Only the settings file is in its folder: no temporary file is left behind.
        QCOMPARE(QDir(QFileInfo(settingsPath()).path())
                     .entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("Spectrivue.conf")});
    }

    // Kept as a link by a dotfile manager, private to the user: written through the link,
    // which stays a link, and still private. A write cut short by a kill leaves a temporary
    // file that the next start removes.
    void aLinkedPrivateFileIsWrittenThroughItsLinkAndStaysPrivate() {
        const QString folder = QFileInfo(settingsPath()).path();
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/dotfiles")));
        const QString target = folder + QStringLiteral("/dotfiles/spectrivue.ini");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[OPTIONS]\nZoom=3\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(QStringLiteral("dotfiles/spectrivue.ini"), settingsPath()));

        Options options(settingsFile());
        QSignalSpy failures(&options, &Options::cannotStore);
        options.load();
        QCOMPARE(options.zoom(), ZoomLevel::Times20);
        options.setAndStore(OptionKey::StopCapture, 2);
        QCOMPARE(failures.count(), 0);
        QVERIFY(QFileInfo(settingsPath()).isSymLink());
        Options again(settingsFile());
        again.load();
        QCOMPARE(again.stopCapture(), StopCapture::OnRelease);
        QCOMPARE(again.zoom(), ZoomLevel::Times20);
        QCOMPARE(QFile::permissions(target),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

        const QString stale = folder + QStringLiteral("/dotfiles/.Spectrivue.conf.k1llEd0000.part");
        QFile cut(stale);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write("[OPT");
        cut.flush();
        QVERIFY(cut.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                QFileDevice::FileModificationTime));
        cut.close();
        settingsFile().removeStaleWrites();
        QVERIFY(!QFile::exists(stale));
        QCOMPARE(QDir(folder + QStringLiteral("/dotfiles"))
                     .entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("spectrivue.ini")});
    }

private:
    static bool isFifo(const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
