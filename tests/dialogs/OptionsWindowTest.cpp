#include "dialogs/OptionsWindow.h"
#include "dialogs/Options.h"
#include "dialogs/MaskChoice.h"
#include "widgets/CaptionedLine.h"
#include "widgets/Artwork.h"

#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace sv;

namespace {

void clickOption(QRadioButton* b) {
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

int borderedMasks(const OptionsWindow& w) {
    int n = 0;
    for (int i = 1; i <= 5; ++i) {
        n += w.picMask(i)->bordered() ? 1 : 0;
    }
    return n;
}

QString stored(const char* key) {
    return settingsStore().value(QStringLiteral("OPTIONS/") + QLatin1String(key)).toString();
}

} // namespace

class FrmOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsStore().clear();
        settingsStore().sync();
    }

    void emptyStoreShowsTheDefaults() {
        QWidget main;
        Options options;
        OptionsWindow w(&main, options);
        QCOMPARE(w.size(), QSize(260, 260));
        QCOMPARE(w.caption().text(), QStringLiteral("[ Options ]"));
        QCOMPARE(w.caption().front->pos(), QPoint(8, 6));
        QVERIFY(w.optStop(1)->isChecked());
        QCOMPARE(w.optStop(1)->text(), QStringLiteral("Stop Capture -> Mouse Down"));
        QCOMPARE(w.optStop(2)->text(), QStringLiteral("Stop Capture -> Mouse Up"));
        QVERIFY(w.optGradient(1)->isChecked());
        QCOMPARE(w.optGradient(1)->text(), QStringLiteral("Start Gradient -> Mouse Click"));
        QCOMPARE(w.optGradient(2)->text(), QStringLiteral("Start Gradient -> Mouse Move"));
        QVERIFY(w.optZoom(2)->isChecked());
        QCOMPARE(w.optZoom(1)->text(), QStringLiteral("Zoom 5x"));
        QCOMPARE(w.optZoom(3)->text(), QStringLiteral("Zoom 20x"));
        QVERIFY(w.picMask(1)->bordered());
        QCOMPARE(borderedMasks(w), 1);
        // Nothing is written just by opening the window.
        QVERIFY(settingsStore().allKeys().isEmpty());

        // Headings from top to bottom; the zoom buttons stand in one row.
        const QStringList captions{
            "Color Capture:", "Zoom Capture:", "Color Capture:", "Mask Color:"};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(w.heading(i)->caption(), captions[i - 1]);
            if (i > 1) {
                QVERIFY(w.heading(i)->y() > w.heading(i - 1)->y());
            }
        }
        QVERIFY(w.heading(1)->y() < w.optStop(1)->y() && w.optStop(2)->y() < w.heading(2)->y());
        QVERIFY(w.heading(3)->y() < w.optZoom(1)->y() && w.optZoom(1)->y() < w.heading(4)->y());
        QCOMPARE(w.optZoom(1)->y(), w.optZoom(3)->y());
        QVERIFY(w.heading(4)->y() < w.picMask(1)->y());
    }

    void clicksAreStoredAtOnce() {
        QWidget main;
        Options options;
        OptionsWindow w(&main, options);
        w.show();
        QSignalSpy changed(&options, &Options::changed);
        clickOption(w.optZoom(3));
        QCOMPARE(stored("Zoom"), QStringLiteral("3"));
        QCOMPARE(options.zoom(), 3);
        QCOMPARE(changed.count(), 1);
        clickOption(w.optStop(2));
        QCOMPARE(stored("StopCapture"), QStringLiteral("2"));
        QCOMPARE(options.stopCapture(), 2);
        clickOption(w.optGradient(2));
        QCOMPARE(stored("CreateGradient"), QStringLiteral("2"));
        QCOMPARE(options.createGradient(), 2);
        QVERIFY(w.optZoom(3)->isChecked() && !w.optZoom(2)->isChecked());
        QVERIFY(w.optStop(2)->isChecked()); // groups do not exclude one another
    }

    void clickingAMaskBordersOnlyThatOne() {
        QWidget main;
        Options options;
        OptionsWindow w(&main, options);
        w.show();
        QCOMPARE(w.picMask(3)->cursor().shape(), appCursor(AppCursor::Hand101).shape());
        QTest::mouseClick(w.picMask(3), Qt::LeftButton);
        QCOMPARE(borderedMasks(w), 1);
        QVERIFY(w.picMask(3)->bordered());
        QCOMPARE(stored("IndexPicMask"), QStringLiteral("3"));
        QCOMPARE(options.indexPicMask(), 3);
        QTest::mouseClick(w.picMask(5), Qt::LeftButton);
        QCOMPARE(borderedMasks(w), 1);
        QVERIFY(w.picMask(5)->bordered());
    }

    void storedValuesAreShownAndUnusableOnesCountAsDefaults() {
        settingsStore().setValue("OPTIONS/StopCapture", "2");
        settingsStore().setValue("OPTIONS/CreateGradient", "-1");
        settingsStore().setValue("OPTIONS/Zoom", "abc");
        settingsStore().setValue("OPTIONS/IndexPicMask", "99");
        QWidget main;
        Options options;
        options.set(OptionKey::Zoom, 1); // the window takes what is stored
        OptionsWindow w(&main, options);
        QVERIFY(w.optStop(2)->isChecked());
        QCOMPARE(options.stopCapture(), 2);
        QVERIFY(w.optGradient(1)->isChecked());
        QVERIFY(w.optZoom(2)->isChecked());
        QCOMPARE(options.zoom(), 2);
        QVERIFY(w.picMask(1)->bordered());
        QCOMPARE(borderedMasks(w), 1);

        settingsStore().setValue("OPTIONS/Zoom", "3");
        settingsStore().setValue("OPTIONS/IndexPicMask", "4");
        OptionsWindow again(&main, options);
        QVERIFY(again.optZoom(3)->isChecked());
        QVERIFY(again.picMask(4)->bordered());
        QCOMPARE(borderedMasks(again), 1);
    }

    void escapeClosesTheWindow() {
        QWidget main;
        Options options;
        QPointer<OptionsWindow> w = new OptionsWindow(&main, options);
        w->show();
        w->optZoom(1)->setFocus();
        QTest::keyClick(w->optZoom(1), Qt::Key_Escape); // reaches the window from a button
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
    }
};

QTEST_MAIN(FrmOptionsTest)
#include "FrmOptionsTest.moc"
