#include "dialogs/AboutWindow.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

using namespace sv;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensNearTheMainWindowsBottomRightCorner() {
        QWidget main(nullptr, Qt::FramelessWindowHint); // as the main window is
        main.setGeometry(100, 100, 756, 466);           // twips 1500, 1500, 11340, 6990
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 7)); // fits the window as built
        AboutWindow about(&main);
        QApplication::setFont(before);
        about.show();
        QCOMPARE(about.width(), 373);
        // top = 1500 + 6990 - 3990 - 1330 = 3170 → 211.3; left = 1500 + 11340 - 5595 - 2797.5
        // = 4447.5 → 296.5, halves to even.
        QCOMPARE(about.pos(), QPoint(296, 211));
    }

    void aWideFontWidensTheWindowRatherThanCutALine() {
        QWidget main;
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        AboutWindow about(&main);
        QApplication::setFont(before);
        about.show();
        QVERIFY(about.width() > 373);
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (label->pixmap().isNull() && !label->text().contains(QLatin1Char('\n'))) {
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            }
        }
    }

    void helpMessageReleasesThenRestoresTheMainWindowsOnTop() {
        QWidget main;
        main.show();
        AboutWindow about(&main);
        about.show();
        QSignalSpy onTop(&about, &AboutWindow::mainWindowPutOnTop);
        QString text;
        QString title;
        bool mainOnTopDuringBox = true;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            text = box->text();
            title = box->windowTitle();
            mainOnTopDuringBox = main.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->accept();
        });
        QTest::mouseClick(about.helpButton(), Qt::LeftButton);
        QCOMPARE(text, AboutWindow::helpRequestText());
        QCOMPARE(title, QStringLiteral("Spectrivue"));
        QVERIFY(!mainOnTopDuringBox);
        // On top afterwards, also when it was not before.
        QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(onTop.count(), 1);
    }

    void aScreenReaderClosingTheWindowUnderItsHelpMessageEndsTheMessage() {
        QWidget main;
        main.show();
        auto* about = new AboutWindow(&main);
        const QPointer<AboutWindow> alive = about;
        about->show();
        bool boxWasOpen = false;
        QTimer::singleShot(0, this, [&] {
            boxWasOpen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
            // A mouse cannot reach Close behind the modal message; a screen reader's Press can.
            QAccessibleInterface* close =
                QAccessible::queryAccessibleInterface(about->closeButton());
            QVERIFY(close != nullptr && close->actionInterface() != nullptr);
            close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        about->helpButton()->click();
        QVERIFY(boxWasOpen);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void siteLinkOpensTheMakersPage() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QWidget main;
        AboutWindow about(&main);
        about.show();
        QTest::mouseClick(about.siteLink(), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://spectrivue.org"))});
        QCOMPARE(about.siteLink()->cursor().shape(), appCursor(AppCursor::PointingHand).shape());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
