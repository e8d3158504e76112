// The user's own formats in the details window, as people meet them: two running copies
// changing the list, names and templates that look like HTML, and a screen reader closing the
// window while its dialog is open.

#include "color/ColorSelection.h"
#include "dialogs/ColorDetailsWindow.h"
#include "dialogs/OwnFormatDialog.h"
#include "settings/Options.h"
#include "support/ModalDialogs.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace sv;

namespace {

// Answers the next Add Format dialog with this name and template.
void answerFormatDialog(const QString& name, const QString& pattern) {
    QTimer::singleShot(0, [name, pattern] {
        auto* dialog = qobject_cast<OwnFormatDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->nameField()->setText(name);
        dialog->templateField()->setText(pattern);
        QTest::keyClick(dialog->templateField(), Qt::Key_Return);
    });
}

QStringList names(const ColorDetailsWindow& window) {
    QStringList out;
    for (const OwnFormat& f : window.ownFormats()) {
        out << QString::fromStdString(f.name);
    }
    return out;
}

QStringList storedNames(SettingsFile& store) {
    QStringList out;
    for (const OwnFormat& f : readOwnFormats(store.read().value())) {
        out << QString::fromStdString(f.name);
    }
    return out;
}

// What a person reads in a tool tip.
QString shownToolTip(const QWidget& widget) {
    QTextDocument shown;
    shown.setHtml(Qt::mightBeRichText(widget.toolTip()) ? widget.toolTip()
                                                        : widget.toolTip().toHtmlEscaped());
    return Qt::mightBeRichText(widget.toolTip()) ? shown.toPlainText() : widget.toolTip();
}

void pressByScreenReader(QWidget* button) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    QVERIFY(face != nullptr && face->actionInterface() != nullptr);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class OwnFormatsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Each test keeps its settings in a file of its own.
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        store_ =
            std::make_unique<SettingsFile>(folder_->filePath(QStringLiteral("Spectrivue.conf")));
        QVERIFY(store_->change([](SettingsMap& s) {
            storeOwnFormats(s, {});
            s["OPTIONS/Zoom"] = "2";
        }));
    }

    void twoCopiesKeepEachOthersFormats() {
        // Each window read the list when it opened, as two running copies each did.
        ColorSelection selection;
        ColorDetailsWindow a(nullptr, selection, *store_);
        ColorDetailsWindow b(nullptr, selection, *store_);
        a.show();
        b.show();
        answerFormatDialog(QStringLiteral("FromB"), QStringLiteral("{hex}"));
        QTest::mouseClick(b.addFormatButton(), Qt::LeftButton);
        answerFormatDialog(QStringLiteral("FromA"), QStringLiteral("{HEX}"));
        QTest::mouseClick(a.addFormatButton(), Qt::LeftButton);
        QCOMPARE(storedNames(*store_), QStringList({"FromB", "FromA"}));
        QCOMPARE(names(a), QStringList({"FromB", "FromA"}));

        // B still shows only its own; removing it leaves A's.
        QCOMPARE(names(b), QStringList({"FromB"}));
        QTest::mouseClick(b.removeButton(0), Qt::LeftButton);
        QTRY_COMPARE(storedNames(*store_), QStringList({"FromA"}));
        QCOMPARE(names(b), QStringList({"FromA"}));
        QCOMPARE(store_->value("OPTIONS/Zoom").value(), std::string("2"));
    }

    void aTemplateWithLineBreaksIsRefusedAndWritesNothing() {
        ColorSelection selection;
        ColorDetailsWindow window(nullptr, selection, *store_);
        window.show();
        test::MessageBoxCatcher boxes;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<OwnFormatDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->nameField()->setText(QStringLiteral("Web"));
            dialog->templateField()->setText(QStringLiteral("{hex}\n[OPTIONS]\nZoom=3"));
            QTest::keyClick(dialog->templateField(), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        QTest::mouseClick(window.addFormatButton(), Qt::LeftButton);
        QCOMPARE(boxes.messages(),
                 QStringList{"This format cannot be added:\nA name or template cannot hold line "
                             "breaks, tabs or other control characters."});
        QVERIFY(window.ownFormats().empty());
        QCOMPARE(store_->value("OPTIONS/Zoom").value(), std::string("2"));
    }

    void namesAndTemplatesAreShownAsTypedNeverAsHtml() {
        // A tall picture: text read as HTML would grow to its height.
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QImage(20, 300, QImage::Format_RGB32).save(QStringLiteral("tall.png")));
        const QString image = QStringLiteral("<img src=\"tall.png\">");
        const QString name = QStringLiteral("<b>Web</b>") + image;
        QVERIFY(store_->change([&](SettingsMap& s) {
            storeOwnFormats(
                s, {{name.toStdString(), (image + QStringLiteral("{hex}")).toStdString()}});
        }));
        ColorSelection selection;
        selection.reset(rgb(10, 90, 90));
        ColorDetailsWindow window(nullptr, selection, *store_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.ownFormats().size(), std::size_t(1));
        QCOMPARE(window.ownField(0)->text(), image + QStringLiteral("0a5a5a"));
        QLabel* label = nullptr;
        for (QLabel* l : window.findChildren<QLabel*>()) {
            if (l->text() == name) {
                label = l;
            }
        }
        QVERIFY(label != nullptr);
        QVERIFY(label->sizeHint().height() < 100);
        QVERIFY(window.height() < 1000);
        QCOMPARE(shownToolTip(*window.removeButton(0)), QStringLiteral("  Remove %1  ").arg(name));
        QCOMPARE(shownToolTip(*window.ownCopyButton(0)), QStringLiteral("  Copy %1  ").arg(name));
        QCOMPARE(window.removeButton(0)->accessibleName(), QStringLiteral("Remove %1").arg(name));

        // The preview shows the template as typed.
        OwnFormatDialog dialog(&window, rgb(10, 90, 90));
        dialog.show();
        QTest::keyClicks(dialog.templateField(), image);
        QCOMPARE(dialog.previewText(), image);
        const auto previews = dialog.findChildren<QLabel*>();
        for (QLabel* l : previews) {
            QVERIFY2(l->sizeHint().height() < 100, qPrintable(l->text()));
        }
    }

    // However long a name, its line starts where the notations' lines start; beside the sample
    // of the current colour on the last stands the last colour on the current.
    void ownRowsLineUpAndTheReverseSampleShowsTheOtherWayRound() {
        QVERIFY(store_->change([](SettingsMap& s) {
            storeOwnFormats(s, {{std::string(60, 'W'), "{hex}"}});
        }));
        ColorSelection selection;
        selection.reset(kWhite);
        selection.setCurrent(rgb(10, 90, 90));
        ColorDetailsWindow window(nullptr, selection, *store_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.ownField(0)->mapTo(&window, QPoint(0, 0)).x(),
                 window.field(ColorFormat::CssHex)->mapTo(&window, QPoint(0, 0)).x());
        const QPalette reverse = window.reverseSample()->palette();
        QCOMPARE(reverse.color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(reverse.color(QPalette::Window), QColor(10, 90, 90));
        QVERIFY(window.reverseSample()->isVisible());
    }

    void aScreenReaderClosingTheWindowUnderItsDialogEndsTheDialog() {
        ColorSelection selection;
        auto* window = new ColorDetailsWindow(nullptr, selection, *store_);
        QPointer<ColorDetailsWindow> alive = window;
        window->show();
        bool dialogWasOpen = false;
        QTimer::singleShot(0, [&] {
            dialogWasOpen = qobject_cast<OwnFormatDialog*>(QApplication::activeModalWidget());
            // A mouse cannot reach Close behind the modal dialog; a screen reader's Press can.
            pressByScreenReader(window->closeButton());
        });
        window->addFormatButton()->click();
        QVERIFY(dialogWasOpen);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(readOwnFormats(store_->read().value()).empty());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SettingsFile> store_;
};

QTEST_MAIN(OwnFormatsWindowTest)
#include "OwnFormatsWindowTest.moc"
