#include "dialogs/OptionsWindow.h"
#include "dialogs/MaskChoice.h"
#include "settings/Options.h"
#include "support/TestFiles.h"
#include "widgets/CaptionedLine.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace sv;

namespace {

void clickOption(QRadioButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

int borderedMasks(const OptionsWindow& w) {
    int n = 0;
    for (int i = 1; i <= kMaskCount; ++i) {
        n += w.maskChoice(i)->bordered() ? 1 : 0;
    }
    return n;
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A settings file of each test's own.
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        store_ =
            std::make_unique<SettingsFile>(folder_->filePath(QStringLiteral("Spectrivue.conf")));
    }

    void anEmptyStoreShowsTheDefaultsAndWritesNothing() {
        QWidget main;
        Options options(*store_);
        OptionsWindow w(&main, options);
        QVERIFY(w.stopButton(1)->isChecked() && w.gradientButton(1)->isChecked());
        QVERIFY(w.zoomButton(2)->isChecked());
        QVERIFY(w.maskChoice(1)->bordered());
        QCOMPARE(borderedMasks(w), 1);
        QVERIFY(!QFile::exists(store_->fileName()));
    }

    void clicksAreStoredAtOnce() {
        QWidget main;
        Options options(*store_);
        OptionsWindow w(&main, options);
        w.show();
        QSignalSpy changed(&options, &Options::changed);
        clickOption(w.zoomButton(3));
        QCOMPARE(stored("Zoom"), QStringLiteral("3"));
        QCOMPARE(options.zoom(), ZoomLevel::Times20);
        QCOMPARE(changed.count(), 1);
        clickOption(w.stopButton(2));
        QCOMPARE(options.stopCapture(), StopCapture::OnRelease);
        clickOption(w.gradientButton(2));
        QCOMPARE(stored("CreateGradient"), QStringLiteral("2"));
        QVERIFY(w.stopButton(2)->isChecked()); // groups do not exclude one another

        QTest::mouseClick(w.maskChoice(3), Qt::LeftButton);
        QTest::mouseClick(w.maskChoice(5), Qt::LeftButton);
        QCOMPARE(borderedMasks(w), 1);
        QVERIFY(w.maskChoice(5)->bordered());
        QCOMPARE(stored("IndexPicMask"), QStringLiteral("5"));
        QCOMPARE(options.swatchMask(), SwatchMask::Mask5);
    }

    void storedValuesAreShownAndUnusableOnesCountAsDefaults() {
        QVERIFY(store_->change([](SettingsMap& s) {
            s = {{"OPTIONS/StopCapture", "2"},
                 {"OPTIONS/CreateGradient", "-1"},
                 {"OPTIONS/Zoom", "abc"},
                 {"OPTIONS/IndexPicMask", "99"}};
        }));
        QWidget main;
        Options options(*store_);
        options.set(OptionKey::Zoom, 1); // the window takes what is stored
        OptionsWindow w(&main, options);
        QVERIFY(w.stopButton(2)->isChecked());
        QVERIFY(w.gradientButton(1)->isChecked());
        QVERIFY(w.zoomButton(2)->isChecked());
        QCOMPARE(options.zoom(), ZoomLevel::Times10);
        QVERIFY(w.maskChoice(1)->bordered());
        QCOMPARE(borderedMasks(w), 1);
    }

    void theMasksAreNamedTabStopsAndHeadingsReadAsLabels() {
        QWidget main;
        Options options(*store_);
        OptionsWindow w(&main, options);
        w.show();
        QApplication::setActiveWindow(&w);
        w.zoomButton(3)->setFocus();
        QTest::keyClick(w.zoomButton(3), Qt::Key_Tab);
        QVERIFY(w.maskChoice(1)->hasFocus());
        QTest::keyClick(w.maskChoice(1), Qt::Key_Tab);
        QTest::keyClick(w.maskChoice(2), Qt::Key_Space);
        QCOMPARE(options.swatchMask(), SwatchMask::Mask2);
        QAccessibleInterface* mask = QAccessible::queryAccessibleInterface(w.maskChoice(4));
        QCOMPARE(mask->text(QAccessible::Name), QStringLiteral("Mask 4"));
        // Read as radio buttons, the chosen one checked; a screen reader's Press chooses.
        QCOMPARE(mask->role(), QAccessible::RadioButton);
        QVERIFY(mask->state().checkable && !mask->state().checked);
        QVERIFY(QAccessible::queryAccessibleInterface(w.maskChoice(2))->state().checked);
        mask->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(options.swatchMask(), SwatchMask::Mask4);
        QVERIFY(mask->state().checked);
        QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(w.heading(1));
        QCOMPARE(heading->role(), QAccessible::StaticText);
        QCOMPARE(heading->text(QAccessible::Name), QStringLiteral("Color Capture:"));
    }

    void thePickChoicesKeepAGroupOfTheirOwn() {
        // A file of an older version: its group is untouched, and the pick's values are the
        // defaults until chosen; an unusable size counts as 1 × 1.
        QVERIFY(QDir().mkpath(QFileInfo(store_->fileName()).path()));
        QVERIFY(test::writeFile(store_->fileName(), "[OPTIONS]\nZoom=3\n[Pick]\nSampleSize=7\n"));
        QWidget main;
        Options options(*store_);
        OptionsWindow w(&main, options);
        w.show();
        QVERIFY(w.loupeBox()->isChecked());
        QCOMPARE(w.sampleSizeBox()->currentData().toInt(), 1);
        QCOMPARE(options.sampleSize(), 1);

        QTest::mouseClick(w.loupeBox(), Qt::LeftButton, {}, QPoint(6, w.loupeBox()->height() / 2));
        QVERIFY(!options.loupe());
        QComboBox* sizes = w.sampleSizeBox();
        sizes->setFocus();
        QTest::keyClick(sizes, Qt::Key_End);
        QCOMPARE(sizes->currentText(), QStringLiteral("9 \u00D7 9 pixels, averaged"));
        QCOMPARE(options.sampleSize(), 9);
        QCOMPARE(QString::fromStdString(store_->value("Pick/SampleSize").value()),
                 QStringLiteral("9"));
        QCOMPARE(QString::fromStdString(store_->value("Pick/Loupe").value()), QStringLiteral("0"));
        QCOMPARE(stored("Zoom"), QStringLiteral("3"));
        // A change from elsewhere (Ctrl+wheel during a pick) shows here.
        options.set(OptionKey::SampleSize, 3);
        QCOMPARE(sizes->currentData().toInt(), 3);
    }

    void theCopyFormatIsStoredByNameAndReadBackAsItself() {
        QVERIFY(QDir().mkpath(QFileInfo(store_->fileName()).path()));
        QVERIFY(test::writeFile(store_->fileName(), "[Pick]\nCopyFormat=nonsense\n"));
        QWidget main;
        Options options(*store_);
        OptionsWindow w(&main, options);
        w.show();
        QComboBox* copy = w.copyFormatBox();
        QCOMPARE(copy->currentText(), QStringLiteral("Off"));
        QCOMPARE(options.copyFormat(), std::string());
        copy->setFocus();
        QTest::keyClick(copy, Qt::Key_Down);
        QCOMPARE(copy->currentText(), QStringLiteral("html \u2014 #0A5A5A"));
        QTest::keyClick(copy, Qt::Key_End);
        QCOMPARE(options.copyFormat(), std::string("photoshop"));
        QCOMPARE(QString::fromStdString(store_->value("Pick/CopyFormat").value()),
                 QStringLiteral("photoshop"));
        QTest::keyClick(copy, Qt::Key_Home);
        QCOMPARE(QString::fromStdString(store_->value("Pick/CopyFormat").value()),
                 QStringLiteral("off"));

        // What one window stores, the next one (or the next run) shows.
        options.setAndStoreCopyFormat("oklch");
        Options again(*store_);
        OptionsWindow second(&main, again);
        QCOMPARE(again.copyFormat(), std::string("oklch"));
        QCOMPARE(second.copyFormatBox()->currentData().toString(), QStringLiteral("oklch"));
    }

    void escapeClosesTheWindowFromAButton() {
        QWidget main;
        Options options(*store_);
        QPointer<OptionsWindow> w = new OptionsWindow(&main, options);
        w->show();
        w->zoomButton(1)->setFocus();
        QTest::keyClick(w->zoomButton(1), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
    }

private:
    QString stored(const char* key) const {
        return QString::fromStdString(store_->value(std::string("OPTIONS/") + key).value());
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SettingsFile> store_;
};

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
