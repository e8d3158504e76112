// The palette file dialogs as GNOME users get them: Qt's gtk3 platform theme on a real X
// server, where the dialog is GTK's own and reports filters its own way (an empty one first).

#include "files/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace sv;

namespace {

// Answers the next file dialog: a file name to choose in folder, or an empty name to cancel.
// GTK's own dialog is answered a moment after Qt's stands for it, once GTK has shown it; under a
// sanitizer on a busy machine that moment comes late, so it is waited for.
void answerFileDialog(const QString& folder, const QString& name, bool* seen, int tries = 100) {
    QTimer::singleShot(200, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        *seen = dialog != nullptr;
        if (dialog == nullptr) {
            if (tries > 0) {
                answerFileDialog(folder, name, seen, tries - 1);
            }
            return;
        }
        QTimer::singleShot(300, dialog, [=] {
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(folder);
            dialog->selectFile(QDir(folder).filePath(name));
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
}

} // namespace

class FileDialogsThemeTest : public QObject {
    Q_OBJECT
private slots:
    void openAndSaveAnswerUnderTheGtkTheme() {
        QCOMPARE(qgetenv("QT_QPA_PLATFORMTHEME"), QByteArray("gtk3"));
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("mine.pal"))).open(QIODevice::WriteOnly);
        QWidget owner;
        owner.show();
        QtFileDialogs dialogs(&owner);
        const FileDialogRequest request{
            QStringLiteral("Open Palette"),
            QStringLiteral("Palette (*.pal);;GIMP Palette (*.gpl);;All files (*)"),
            QStringLiteral("pal"), QString(), folder.path()};

        bool seen = false;
        answerFileDialog(folder.path(), QString(), &seen);
        QVERIFY(!dialogs.getOpenFile(request).chosen());
        QVERIFY(seen);

        answerFileDialog(folder.path(), QStringLiteral("mine.pal"), &seen);
        const FileDialogResult opened = dialogs.getOpenFile(request);
        QVERIFY(seen);
        QVERIFY(opened.chosen());
        QCOMPARE(QFileInfo(opened.path).fileName(), QStringLiteral("mine.pal"));

        answerFileDialog(folder.path(), QString(), &seen);
        QVERIFY(!dialogs.getSaveFile(request).chosen());
        QVERIFY(seen);
    }
};

QTEST_MAIN(FileDialogsThemeTest)
#include "FileDialogsThemeTest.moc"
