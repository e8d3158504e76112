#include "palette/PaletteCommands.h"
#include "color/ColorSelection.h"
#include "files/FileDialogs.h"
#include "files/QtFileDialogs.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/PaletteText.h"
#include "support/ModalDialogs.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace sv;
using sv::test::readFile;
using sv::test::writeFile;

namespace {

// Answers the dialogs with prepared results and remembers what was asked.
class FakeDialogs : public FileDialogs {
public:
    FileDialogResult answer;
    QList<FileDialogRequest> opens;
    QList<FileDialogRequest> saves;

    FileDialogResult getOpenFile(const FileDialogRequest& r) override {
        opens.append(r);
        return answer;
    }
    FileDialogResult getSaveFile(const FileDialogRequest& r) override {
        saves.append(r);
        return answer;
    }
    void choose(const QString& folder, const QString& name, const QString& filter = {}) {
        answer = FileDialogResult{folder + QLatin1Char('/') + name, filter};
    }
    void cancel() { answer = FileDialogResult{}; }
};

struct Fixture {
    QTemporaryDir work;
    QWidget container;
    ColorSelection selection;
    PaletteModel palette;
    FakeDialogs dialogs;
    PaletteCommands commands{palette, dialogs, &container, work.path()};
    test::MessageBoxCatcher boxes;

    Fixture() {}
    QString file(const QString& name) const { return QDir(work.path()).filePath(name); }
};

Palette sample() {
    Palette p;
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (i % 5 != 0) {
            p.setColor(i, rgb(i, 255 - i, (i * 7) % 256));
        }
    }
    return p;
}

} // namespace

class PaletteCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenRestoresEmptySwatches() {
        Fixture f;
        f.palette.setPalette(sample());
        f.dialogs.choose(f.work.path(), QStringLiteral("mine.pal"));
        f.commands.run(PaletteCommand::Save);
        QCOMPARE(f.dialogs.saves.first().defaultExtension, QStringLiteral("pal"));
        const QByteArray written = readFile(f.file(QStringLiteral("mine.pal")));
        QCOMPARE(written.size(), qsizetype(writePaletteText(sample()).size()));
        QVERIFY(written.contains("\r\n-241 0 0\r\n"));
        QCOMPARE(f.commands.lastPath(), f.file(QStringLiteral("mine.pal")));

        f.commands.run(PaletteCommand::New);
        QCOMPARE(f.palette.palette(), Palette());
        f.commands.run(PaletteCommand::Open);
        const FileDialogRequest& open = f.dialogs.opens.first();
        QCOMPARE(open.filter, QStringLiteral("All palettes (*.pal *.gpl *.ase);;"
                                             "PSP Palette File (*.pal);;GIMP Palette (*.gpl);;"
                                             "Adobe Swatch Exchange (*.ase)"));
        QCOMPARE(QDir(open.initialFolder).canonicalPath(), // made before the dialog
                 QDir(f.file(QStringLiteral("pallets"))).canonicalPath());
        QCOMPARE(f.palette.palette(), sample());
        QVERIFY(f.boxes.messages().isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void cancellingEitherDialogChangesNothing() {
        Fixture f;
        f.palette.setPalette(sample());
        f.dialogs.cancel();
        f.commands.run(PaletteCommand::Open);
        f.commands.run(PaletteCommand::Save);
        QCOMPARE(f.palette.palette(), sample());
        QVERIFY(f.boxes.messages().isEmpty());
        QVERIFY(f.commands.lastPath().isEmpty());
        QCOMPARE(QDir(f.work.path()).entryList(QDir::Files), QStringList());
    }

    void aFolderIsNeitherOpenedNorSavedOver() {
        Fixture f;
        f.palette.setPalette(sample());
        QDir(f.work.path()).mkdir(QStringLiteral("taken.pal"));
        f.dialogs.choose(f.work.path(), QStringLiteral("taken.pal"));
        f.commands.run(PaletteCommand::Save);
        f.commands.run(PaletteCommand::Open);
        f.dialogs.choose(f.work.path(), QStringLiteral("gone.pal"));
        f.commands.run(PaletteCommand::Open);
        QCOMPARE(f.boxes.messages().size(), 3);
        QVERIFY(f.boxes.messages().at(1).contains(QStringLiteral("is a folder")));
        QVERIFY(f.boxes.messages().at(2).contains(QStringLiteral("does not exist")));
        QVERIFY(QFileInfo(f.file(QStringLiteral("taken.pal"))).isDir());
        QCOMPARE(f.palette.palette(), sample());
        QVERIFY(f.commands.lastPath().isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void openReadsRiffPalettesAndRefusesWhatIsNoPalette() {
        Fixture f;
        f.palette.setPalette(sample());
        // A RIFF palette of two colours: version, count, then red, green, blue, flags.
        writeFile(f.file(QStringLiteral("two.pal")),
                  QByteArray("RIFF\x18\0\0\0PAL data\x0c\0\0\0\0\x03\x02\0"
                             "\x0a\x14\x1e\0\xff\0\0\0",
                             32));
        f.dialogs.choose(f.work.path(), QStringLiteral("two.pal"));
        f.commands.run(PaletteCommand::Open);
        Palette expected = sample();
        expected.setColor(1, rgb(10, 20, 30));
        expected.setColor(2, rgb(255, 0, 0));
        QCOMPARE(f.palette.palette(), expected);
        QVERIFY(f.boxes.messages().isEmpty());

        // Junk, a picture, a named pipe (which must not hang) and a 1 GB sparse file.
        writeFile(f.file(QStringLiteral("junk.pal")), QByteArray(3000, '\xa5'));
        writeFile(f.file(QStringLiteral("picture.pal")), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QCOMPARE(::mkfifo(QFile::encodeName(f.file(QStringLiteral("pipe.pal"))).constData(), 0600),
                 0);
        QFile sparse(f.file(QStringLiteral("huge.pal")));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
        sparse.close();
        // A GIMP file without a single colour, and an Adobe file its own program would refuse.
        writeFile(f.file(QStringLiteral("bad.gpl")), "GIMP Palette\nnot a colour\n");
        writeFile(f.file(QStringLiteral("cut.ase")), QByteArray("ASEF\0\1\0\0\0\0\0\1\0\1", 14));
        const QStringList bad{"junk.pal", "picture.pal", "pipe.pal",
                              "huge.pal", "bad.gpl",     "cut.ase"};
        for (const QString& name : bad) {
            f.dialogs.choose(f.work.path(), name);
            f.commands.run(PaletteCommand::Open);
            QVERIFY2(f.boxes.messages().last().contains(QStringLiteral("is not a palette file")),
                     qPrintable(name));
        }
        QCOMPARE(f.boxes.messages().size(), bad.size());
        QCOMPARE(f.palette.palette(), expected);
        QCOMPARE(f.commands.lastPath(), f.file(QStringLiteral("two.pal")));
    }

    void eachKindIsSavedByItsExtensionOrFilterAndReadByItsContent() {
        Fixture f;
        f.palette.setPalette(sample());
        const QString gimp = QStringLiteral("GIMP Palette (*.gpl)");
        f.dialogs.choose(f.work.path(), QStringLiteral("by-filter.txt"), gimp);
        f.commands.run(PaletteCommand::Save);
        f.dialogs.choose(f.work.path(), QStringLiteral("by-name.ASE"), gimp);
        f.commands.run(PaletteCommand::Save);
        f.dialogs.choose(f.work.path(), QStringLiteral("web.css"));
        f.commands.run(PaletteCommand::Save);
        QVERIFY(f.boxes.messages().isEmpty());
        QVERIFY(readFile(f.file(QStringLiteral("by-filter.txt")))
                    .startsWith("GIMP Palette\nName: by-filter\nColumns: 16\n"
                                "# Written by Spectrivue; 51 empty swatches skipped\n"));
        QVERIFY(readFile(f.file(QStringLiteral("by-name.ASE"))).startsWith("ASEF"));
        const QByteArray css = readFile(f.file(QStringLiteral("web.css")));
        QVERIFY(css.contains(":root {\n  --swatch-1: #01fe07;\n  --swatch-2: #02fd0e;\n"));
        QVERIFY(!css.contains("--swatch-5:"));

        // Read back: the 205 filled swatches come first, in order; the rest keep what they had.
        Palette filled;
        int next = 1;
        for (int i = 1; i <= Palette::kSize; ++i) {
            if (!sample().isEmpty(i)) {
                filled.setColor(next++, sample().color(i));
            }
        }
        for (const char* name : {"by-filter.txt", "by-name.ASE"}) {
            f.commands.run(PaletteCommand::New);
            f.dialogs.choose(f.work.path(), QString::fromLatin1(name));
            f.commands.run(PaletteCommand::Open);
            QCOMPARE(f.palette.palette(), filled);
        }
        QVERIFY(f.boxes.messages().isEmpty());

        // A GIMP file of 300 colours: the first 256, and the user is told.
        QByteArray many = "GIMP Palette\n";
        for (int i = 0; i < 300; ++i) {
            many += QByteArray::number(i % 256) + " 1 2 colour\n";
        }
        writeFile(f.file(QStringLiteral("many.gpl")), many);
        f.dialogs.choose(f.work.path(), QStringLiteral("many.gpl"));
        f.commands.run(PaletteCommand::Open);
        QCOMPARE(f.palette.palette().color(256), rgb(255, 1, 2));
        QCOMPARE(f.boxes.messages(),
                 QStringList{f.file(QStringLiteral("many.gpl")) +
                             QStringLiteral(" holds 300 colours; the first 256 were loaded.")});
        QCOMPARE(f.commands.lastPath(), f.file(QStringLiteral("many.gpl")));
    }

    // GIMP loads a palette with lines it warns about, and so does Spectrivue, saying how many;
    // a palette larger than what is read is read up to its last whole line.
    void gimpPalettesLoadAsGimpLoadsThem() {
        Fixture f;
        writeFile(f.file(QStringLiteral("mixed.gpl")),
                  "GIMP Palette\n1 2 3\nnot a colour\n300 -1 10.5\n4 5\n");
        f.dialogs.choose(f.work.path(), QStringLiteral("mixed.gpl"));
        f.commands.run(PaletteCommand::Open);
        QCOMPARE(f.palette.palette().color(1), rgb(1, 2, 3));
        QCOMPARE(f.palette.palette().color(2), rgb(255, 0, 10));
        QVERIFY(f.palette.palette().isEmpty(3));
        QCOMPARE(f.boxes.messages(),
                 QStringList{f.file(QStringLiteral("mixed.gpl")) +
                             QStringLiteral(": 2 lines holding no colour were skipped.")});

        // Over 4 MB of colours with long names, cut by the read in the middle of a line.
        f.boxes.clear();
        QByteArray large = "GIMP Palette\n";
        const QByteArray name(1000, 'n');
        for (int i = 0; large.size() < (5 << 20); ++i) {
            large += QByteArray::number(i % 256) + " 7 8 " + name + "\n";
        }
        writeFile(f.file(QStringLiteral("large.gpl")), large);
        f.dialogs.choose(f.work.path(), QStringLiteral("large.gpl"));
        f.commands.run(PaletteCommand::Open);
        QCOMPARE(f.palette.palette().color(256), rgb(255, 7, 8));
        QCOMPARE(f.boxes.messages().size(), 1);
        QVERIFY2(f.boxes.messages().front().contains(QStringLiteral(" holds more than ")),
                 qPrintable(f.boxes.messages().front()));
        QVERIFY(!f.boxes.messages().front().contains(QStringLiteral("skipped")));
    }

    void aNameTypedUnderAnotherFilterTakesThatFiltersExtension() {
        QTemporaryDir work;
        QWidget owner;
        ColorSelection selection;
        PaletteModel palette;
        palette.setPalette(sample());
        QtFileDialogs dialogs(&owner);
        PaletteCommands commands(palette, dialogs, &owner, work.path());
        QTimer::singleShot(0, &owner, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types != nullptr);
            QTest::keyClick(types, Qt::Key_Down); // as a user moves to "GIMP Palette (*.gpl)"
            QCOMPARE(types->currentText(), QStringLiteral("GIMP Palette (*.gpl)"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(name, QStringLiteral("mine"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        commands.run(PaletteCommand::Save);
        const QString saved = QDir(work.path()).filePath(QStringLiteral("pallets/mine.gpl"));
        QCOMPARE(commands.lastPath(), saved);
        QVERIFY(readFile(saved).startsWith("GIMP Palette\n"));
    }

    // A tool window's file dialog gives the keyboard back to that window, not to the main one.
    void theKeyboardReturnsToTheWindowThatAsked() {
        QWidget main;
        main.show();
        QWidget tool(&main, Qt::Tool);
        tool.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tool));
        QtFileDialogs dialogs(&tool);
        QTimer::singleShot(0, &tool, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->reject();
        });
        QVERIFY(!dialogs
                     .getOpenFile({QStringLiteral("Open"), QStringLiteral("All (*)"), QString(),
                                   QString(), QDir::tempPath()})
                     .chosen());
        QTRY_COMPARE(QApplication::activeWindow(), &tool);
    }

    void saveOpensInsideAFreshPaletteFolderWithNoName() {
        QTemporaryDir work;
        QWidget owner;
        ColorSelection selection;
        PaletteModel palette;
        QtFileDialogs dialogs(&owner);
        PaletteCommands commands(palette, dialogs, &owner, work.path());
        QString folder;
        QString name = QStringLiteral("?");
        QTimer::singleShot(0, &owner, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            folder = dialog->directory().absolutePath();
            name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        });
        commands.run(PaletteCommand::Save);
        QCOMPARE(folder, QDir(work.path()).filePath(QStringLiteral("pallets")));
        QCOMPARE(name, QString());
    }

    void startPaletteIsDefaultPalFromTheFirstFolderThatHasItElseTheBuiltInOne() {
        QTemporaryDir program;
        QTemporaryDir user;
        writeFile(QDir(program.path()).filePath(QStringLiteral("default.pal")),
                  "a\nb\nc\n1 1 1\n"); // wrong case: not the start palette
        QWidget container;
        ColorSelection selection;
        PaletteModel palette;
        QCOMPARE(loadStartPalette(palette, {program.path(), user.path()}),
                 QString::fromLatin1(kBuiltInPalettePath));
        QCOMPARE(palette.color(1), std::optional<ColorValue>(kWhite));
        QCOMPARE(palette.color(241), std::optional<ColorValue>(rgb(0, 0, 1)));
        QCOMPARE(palette.palette().color(256), rgb(255, 255, 255));
        // Nothing is written out on the way.
        QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"default.pal"});
        QVERIFY(QDir(user.path()).isEmpty());

        writeFile(QDir(user.path()).filePath(QStringLiteral("Default.pal")), "a\nb\nc\n9 9 9\n");
        QCOMPARE(loadStartPalette(palette, {program.path(), user.path()}),
                 QDir(user.path()).filePath(QStringLiteral("Default.pal")));
        QCOMPARE(palette.color(1), std::optional<ColorValue>(rgb(9, 9, 9)));
        writeFile(QDir(program.path()).filePath(QStringLiteral("Default.pal")), "a\nb\nc\n8 8 8\n");
        loadStartPalette(palette, {program.path(), user.path()});
        QCOMPARE(palette.color(1), std::optional<ColorValue>(rgb(8, 8, 8))); // program folder first
    }
};

QTEST_MAIN(PaletteCommandsTest)
#include "PaletteCommandsTest.moc"
