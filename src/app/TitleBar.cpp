#include "app/TitleBar.h"

#include "AppInfo.h"
#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>

namespace sv {

namespace {

constexpr ColorValue kBarColor = rgb(0xD9, 0xE1, 0xEA);
constexpr int kPictureSize = 18;

// A picture that acts as a button: for the pointer and for screen readers, not a Tab stop (the
// window has keys for them all).
ImageButton* makeButton(QWidget* parent, QPoint at, Glyph glyph, const QString& toolTip) {
    auto* button = new ImageButton(parent);
    button->setGeometry(QRect(at, QSize(kPictureSize, kPictureSize)));
    button->setFocusPolicy(Qt::NoFocus);
    button->setPictures(glyphImage(glyph, false), glyphImage(glyph, true), QImage(),
                        toQColor(kBarColor));
    button->setCursor(appCursor(AppCursor::PointingHand));
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    return button;
}

} // namespace

TitleBar::TitleBar(QWidget* window)
    : QWidget(window),
      caption_(new ShadowLabel(this, tr("%1 [ Version: %2 ] - %3")
                                         .arg(QString::fromLatin1(kAppTitle),
                                              QString::fromStdString(versionText()),
                                              QString::fromLatin1(kMakerUrl)))) {
    setGeometry(0, 0, window->width(), kHeight);
    QFont bold = font();
    bold.setBold(true);
    caption_->setCaptionFont(bold);
    caption_->move(pixelsFromTwips(120, 120));

    const int top = pixelsFromTwips(90);
    close_ = makeButton(this, {width() - 24, top}, Glyph::Close, tr("  Close Spectrivue  "));
    minimize_ =
        makeButton(this, {width() - 46, top}, Glyph::Minimize, tr("  Minimize Spectrivue  "));
    connect(close_, &ImageButton::clicked, this, &TitleBar::closeClicked);
    connect(minimize_, &ImageButton::clicked, this, &TitleBar::minimizeClicked);

    // Read as a check box, checked while the window stays on top; a click asks for the other
    // state.
    pin_ = makeButton(this, {width() - 68, top}, Glyph::PinOff, tr("  On Top  "));
    pin_->setCheckable(true);
    pin_->setPictures(glyphImage(Glyph::PinOff, false), QImage(), glyphImage(Glyph::PinOn, false),
                      toQColor(kBarColor));
    connect(pin_, &ImageButton::clicked, this, &TitleBar::onTopRequested);

    link_ = makeButton(this, {width() - 90, top}, Glyph::Link, QString());
    link_->setAccessibleName(tr("Spectrivue web page"));
    // A browser that cannot be opened is not worth a message.
    auto openMakerPage = [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl))); };
    connect(link_, &ImageButton::clicked, this, openMakerPage);

    // The keyboard has these in the whole window.
    auto* onTopKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), window);
    connect(onTopKey, &QShortcut::activated, this, [this] { emit onTopRequested(!showsOnTop()); });
    auto* linkKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), window);
    connect(linkKey, &QShortcut::activated, this, openMakerPage);
    pin_->setAccessibleDescription(onTopKey->key().toString(QKeySequence::NativeText));
    link_->setAccessibleDescription(linkKey->key().toString(QKeySequence::NativeText));
}

void TitleBar::showOnTop(bool onTop) {
    pin_->setChecked(onTop);
}

bool TitleBar::showsOnTop() const {
    return pin_->isChecked();
}

void TitleBar::mousePressEvent(QMouseEvent*) {
    startWindowDrag(window());
}

} // namespace sv
