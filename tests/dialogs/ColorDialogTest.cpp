#include "dialogs/ColorDialog.h"

#include <QColorDialog>
#include <QtTest>
#include <stdexcept>

using namespace sv;

class ColorDialogTest : public QObject {
    Q_OBJECT
private slots:
    void customColoursStartNearWhiteAndAreKeptWhateverTheAnswer() {
        QWidget owner;
        QColor seenInitial;
        QWidget* seenOwner = nullptr;
        std::vector<QColor> seenCustom;
        std::optional<QColor> answer;
        ColorDialog dialog([&](QWidget* o, const QColor& initial) {
            seenOwner = o;
            seenInitial = initial;
            seenCustom.clear();
            for (int i = 0; i < 16; ++i) {
                seenCustom.push_back(QColorDialog::customColor(i));
            }
            QColorDialog::setCustomColor(2, QColor(0, 0, 255)); // the user sets one
            return answer;
        });

        // Cancelled: the colour stays, the custom colour is kept.
        QVERIFY(!dialog.choose(&owner, 0x0000FF)); // red, cancelled
        QCOMPARE(seenOwner, &owner);
        QCOMPARE(seenInitial, QColor(255, 0, 0));
        for (const QColor& c : seenCustom) {
            QCOMPARE(c, QColor(254, 254, 254));
        }
        QCOMPARE(dialog.customColors()[2], 0xFF0000);
        QCOMPARE(dialog.customColors()[3], 0xFEFEFE);

        // Another user of QColorDialog in between does not disturb the record.
        QColorDialog::setCustomColor(2, QColor(1, 1, 1));
        answer = QColor(0, 0, 255);
        QCOMPARE(dialog.choose(&owner, 0x0000FF), std::optional<ColorValue>(0xFF0000)); // blue
        QCOMPARE(seenCustom[2], QColor(0, 0, 255));
        QCOMPARE(seenCustom[0], QColor(254, 254, 254));
    }

    void aFailingDialogCountsAsCancelled() {
        ColorDialog dialog([](QWidget*, const QColor&) -> std::optional<QColor> {
            throw std::runtime_error("no dialog");
        });
        QVERIFY(!dialog.choose(nullptr, 0x123456));
    }

    void realDialogStartsOnTheColourWithTheCustomColours() {
        QWidget owner;
        owner.show();
        QColor shownColour;
        QColor shownCustom;
        bool nonNative = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            shownColour = d->currentColor();
            shownCustom = QColorDialog::customColor(15);
            nonNative = d->testOption(QColorDialog::DontUseNativeDialog);
            d->setCurrentColor(QColor(10, 20, 30));
            d->accept();
        });
        ColorDialog dialog;
        const std::optional<ColorValue> chosen = dialog.choose(&owner, 0x00FF00);
        QCOMPARE(shownColour, QColor(0, 255, 0));
        QCOMPARE(shownCustom, QColor(254, 254, 254));
        QVERIFY(nonNative);
        QCOMPARE(chosen, std::optional<ColorValue>(rgb(10, 20, 30)));
    }
};

QTEST_MAIN(ColorDialogTest)
#include "ColorDialogTest.moc"
