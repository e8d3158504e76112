// The real colour dialog, answered from inside its own event loop.
#include "dialogs/ColorDialog.h"
#include "support/ModalDialogs.h"

#include <QtTest>

using namespace sv;
using namespace sv::test;

class ColorDialogTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheColourWithNearWhiteCustomColoursKeptWhateverTheAnswer() {
        QWidget owner;
        owner.show();
        QColor shown;
        QList<QColor> custom;
        bool nonNative = false;
        QWidget* parent = nullptr;
        const auto look = [&](QColorDialog& d) {
            shown = d.currentColor();
            custom.clear();
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                custom.append(QColorDialog::customColor(i));
            }
            nonNative = d.testOption(QColorDialog::DontUseNativeDialog);
            parent = d.parentWidget();
            QColorDialog::setCustomColor(2, QColor(0, 0, 255)); // the user sets one
        };

        answerNextColorDialog(QColor(), look); // cancelled
        QCOMPARE(chooseSystemColor(&owner, 0x0000FF), std::nullopt);
        QCOMPARE(shown, QColor(255, 0, 0));
        QCOMPARE(parent, &owner);
        QVERIFY(nonNative);
        QCOMPARE(custom.size(), 16);
        for (const QColor& c : custom) {
            QCOMPARE(c, QColor(254, 254, 254));
        }

        // The custom colour set in the cancelled dialog is there in the next one.
        answerNextColorDialog(QColor(10, 20, 30), look);
        QCOMPARE(chooseSystemColor(&owner, 0x00FF00), std::optional<ColorValue>(rgb(10, 20, 30)));
        QCOMPARE(shown, QColor(0, 255, 0));
        QCOMPARE(custom[2], QColor(0, 0, 255));
        QCOMPARE(custom[3], QColor(254, 254, 254));

        // OK pressed on the dialog as it opened keeps the colour.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->accept();
        });
        QCOMPARE(chooseSystemColor(&owner, rgb(10, 90, 90)),
                 std::optional<ColorValue>(rgb(10, 90, 90)));
    }
};

QTEST_MAIN(ColorDialogTest)
#include "ColorDialogTest.moc"
