#include "dialogs/AboutWindow.h"

#include "AppInfo.h"
#include "widgets/Artwork.h"
#include "widgets/CaptionedLine.h"
#include "widgets/FixedInk.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"
#include "widgets/PlainText.h"
#include "widgets/WindowUtil.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QUrl>
#include <algorithm>

namespace sv {

AboutWindow::AboutWindow(QWidget* mainWindow)
    : ToolWindow(mainWindow, {tr("About [ %1 ]").arg(QString::fromLatin1(kAppTitle)),
                              QSize(5600, 3990), QPoint(120, 90)}) {
    const QString madeBy =
        tr("Made by the Spectrivue makers - %1").arg(QString::fromLatin1(kMakerContact));
    // Wider than designed where the desktop's font needs it, so no line is cut off.
    setFixedWidth(std::max(width(), fontMetrics().horizontalAdvance(madeBy) + 50));
    const int w = width();

    auto* top = new Panel(this);
    top->setGeometry(10, 28, w - 20, 70);
    auto* image = new QLabel(top);
    image->setPixmap(QPixmap::fromImage(glyphImage(Glyph::Link, true, 40)));
    image->setGeometry(12, 14, 42, 42);
    versionLabel_ = new QLabel(versionText(), top);
    QFont big = versionLabel_->font();
    big.setBold(true);
    versionLabel_->setFont(big);
    versionLabel_->setGeometry(68, 10, w - 100, 50);

    auto* bottom = new Panel(this);
    bottom->setGeometry(10, 106, w - 20, 118);
    auto* label1 = new QLabel(tr("A colour picker and colour analyst\n"
                                 "for people who build web pages and programs."),
                              bottom);
    label1->setGeometry(10, 6, w - 40, 34);
    auto* line = new CaptionedLine(tr("Contact"), bottom);
    line->setGeometry(10, 42, w - 40, 16);
    auto* label2 = new QLabel(madeBy, bottom);
    label2->setGeometry(10, 62, w - 40, 18);
    siteLink_ = new QLabel(QString::fromLatin1(kMakerUrl), bottom);
    const QColor linkInk(0x1F, 0x4E, 0x9C);
    const auto face = faceForInk(linkInk, bottom->palette().color(QPalette::Window));
    siteLink_->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;%2")
            .arg(linkInk.name(),
                 face ? QStringLiteral(" background: %1;").arg(face->name()) : QString()));
    siteLink_->setGeometry(10, 84, std::min(siteLink_->sizeHint().width(), w - 40), 18);
    siteLink_->setCursor(appCursor(AppCursor::PointingHand));
    siteLink_->installEventFilter(this);

    helpButton_ = new ImageButton(this);
    helpButton_->setText(QStringLiteral("?"));
    helpButton_->setToolTip(tr("  Help  "));
    helpButton_->setGeometry(w - 2 * 28 - 8, height() - 32, 26, 24);
    connect(helpButton_, &ImageButton::clicked, this, &AboutWindow::askForHelp);
    // The frame's close button sits beside it.
    closeButton()->setGeometry(w - 34, height() - 32, 26, 24);
    closeButton()->setToolTip(tr("  About  "));
    closeButton()->setAccessibleName(tr("Close")); // what it does
}

QString AboutWindow::versionText() {
    // Qt lays a line out at "\n"; a carriage return would show as a stray mark.
    return QString::fromLatin1(kAppTitle) + tr("\nVersion: ") +
           QString::fromStdString(sv::versionText());
}

QString AboutWindow::helpRequestText() {
    return tr("Let us know if you can help...\n\n"
              "=> You'd like to try create the help file of this program in your "
              "language?    \n\n"
              "Send in files: DOC, TXT, PDF...\n\n"
              "E-mail address: ") +
           QString::fromLatin1(kMakerContact);
}

void AboutWindow::placeNearCorner(const QWidget& mainWindow) {
    const TwipRect own = twipGeometry(*this);
    const TwipPoint at = aboutWindowPlacement(twipGeometry(mainWindow), own.width, own.height);
    move(pixelsFromTwips(at.left, at.top));
}

void AboutWindow::showEvent(QShowEvent* event) {
    if (parentWidget() != nullptr) {
        placeNearCorner(*parentWidget());
    }
    ToolWindow::showEvent(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == siteLink_ && event->type() == QEvent::MouseButtonPress) {
        return true; // a press on the link is not a window drag
    }
    if (watched == siteLink_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (siteLink_->rect().contains(release->position().toPoint())) {
            // A link that cannot be opened is not worth a message.
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
        }
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void AboutWindow::askForHelp() {
    // The message box must not hide behind the main window.
    QWidget* main = parentWidget();
    setStaysOnTop(main, false);
    const QPointer<AboutWindow> self = this;
    showMessage(this, QMessageBox::NoIcon, helpRequestText());
    setStaysOnTop(main, true);
    if (self == nullptr) {
        return; // closed while the message was open
    }
    emit mainWindowPutOnTop();
}

} // namespace sv
