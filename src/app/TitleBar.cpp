#include "app/TitleBar.h"

#include "AppInfo.h"
#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/ColorBox.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>

namespace sv {

namespace {

// Marks the two pin pictures (true on the one shown while on top) for their accessibility.
constexpr const char* kOnTopPinProperty = "onTopPin";

// The on-top pin is read out as a check box, checked while the window stays on top; pressing
// it (its default action) asks for the other state, as a click does.
class PinAccessible : public QAccessibleWidget {
public:
    explicit PinAccessible(QWidget* pin) : QAccessibleWidget(pin, QAccessible::CheckBox) {
        addControllingSignal(QStringLiteral("pressed(Qt::MouseButton,QPoint)"));
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = widget()->property(kOnTopPinProperty).toBool();
        return s;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction()) {
            emit static_cast<ColorBox*>(widget())->pressed(Qt::LeftButton, QPoint(1, 1));
        }
    }
};

QAccessibleInterface* pinFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("sv::ColorBox") && object != nullptr &&
        object->property(kOnTopPinProperty).isValid()) {
        return new PinAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

constexpr ColorValue kBarColor = rgb(0xD9, 0xE1, 0xEA);
constexpr int kPictureSize = 18;

ColorBox* makePicture(QWidget* parent, QPoint at, Glyph glyph, bool lit) {
    auto* pic = new ColorBox(parent);
    pic->setGeometry(QRect(at, QSize(kPictureSize, kPictureSize)));
    pic->setBackColor(kBarColor);
    pic->setPicture(glyphImage(glyph, lit));
    pic->setCursor(appCursor(AppCursor::Hand101));
    return pic;
}

} // namespace

TitleBar::TitleBar(QWidget* window)
    : QWidget(window), caption_(this, QString::fromStdString(mainTitleText())) {
    setGeometry(0, 0, window->width(), kHeight);
    setMouseTracking(true);
    QFont bold = font();
    bold.setBold(true);
    caption_.setFont(bold);
    caption_.move(pixelsFromTwips(120, 120));

    const int top = pixelsFromTwips(90);
    for (int lit = 0; lit < 2; ++lit) {
        // Each lit picture lies exactly over its unlit one and shows while the pointer is on it.
        close_[lit] = makePicture(this, {width() - 24, top}, Glyph::Close, lit == kLit);
        minimize_[lit] = makePicture(this, {width() - 46, top}, Glyph::Minimize, lit == kLit);
        close_[lit]->setVisible(lit != kLit);
        minimize_[lit]->setVisible(lit != kLit);
    }
    for (auto* pair : {&close_, &minimize_}) {
        ColorBox* lit = (*pair)[kLit];
        connect((*pair)[0], &ColorBox::moved, this, [pair, lit] {
            lit->show();
            (*pair)[0]->hide();
        });
    }
    connect(close_[kLit], &ColorBox::released, this, [this](Qt::MouseButton, QPoint p) {
        if (close_[kLit]->rect().contains(p)) {
            emit closeClicked();
        }
    });
    connect(minimize_[kLit], &ColorBox::released, this, [this](Qt::MouseButton, QPoint p) {
        if (minimize_[kLit]->rect().contains(p)) {
            emit minimizeClicked();
        }
    });
    close_[kLit]->setToolTip(tr("  Close Spectrivue  "));
    minimize_[kLit]->setToolTip(tr("  Minimize Spectrivue  "));
    // The unlit pictures, shown until the pointer comes, are named as their lit twins.
    close_[0]->setAccessibleName(tr("Close Spectrivue"));
    minimize_[0]->setAccessibleName(tr("Minimize Spectrivue"));

    QAccessible::installFactory(pinFactory); // a second install is ignored
    for (int onTop = 0; onTop < 2; ++onTop) {
        pins_[onTop] =
            makePicture(this, {width() - 68, top}, onTop ? Glyph::PinOn : Glyph::PinOff, false);
        pins_[onTop]->setProperty(kOnTopPinProperty, onTop == 1);
        pins_[onTop]->setToolTip(tr("  On Top  "));
        pins_[onTop]->setVisible(onTop == 0);
        // A click on the pin asks for the other state.
        connect(pins_[onTop], &ColorBox::pressed, this,
                [this, onTop] { emit onTopRequested(onTop == 0); });
    }

    ColorBox* link = makePicture(this, {width() - 90, top}, Glyph::Link, false);
    // A browser that cannot be opened is not worth a message.
    auto openMakerPage = [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl))); };
    connect(link, &ColorBox::pressed, this, openMakerPage);

    // The pictures are for the pointer; the keyboard has these in the whole window.
    auto* onTopKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), window);
    connect(onTopKey, &QShortcut::activated, this, [this] { emit onTopRequested(!showsOnTop()); });
    auto* linkKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), window);
    connect(linkKey, &QShortcut::activated, this, openMakerPage);
    for (int onTop = 0; onTop < 2; ++onTop) {
        pins_[onTop]->setAccessibleDescription(onTopKey->key().toString(QKeySequence::NativeText));
    }
    link->setAccessibleName(tr("Spectrivue web page"));
    link->setAccessibleDescription(linkKey->key().toString(QKeySequence::NativeText));
}

void TitleBar::showOnTop(bool onTop) {
    pins_[1]->setVisible(onTop);
    pins_[0]->setVisible(!onTop);
}

bool TitleBar::showsOnTop() const {
    return !pins_[1]->isHidden();
}

void TitleBar::unlightButtons() {
    for (auto* pair : {&close_, &minimize_}) {
        if (!(*pair)[kLit]->isHidden()) {
            (*pair)[0]->show();
            (*pair)[kLit]->hide();
        }
    }
}

void TitleBar::mousePressEvent(QMouseEvent*) {
    startWindowDrag(window());
}

void TitleBar::mouseMoveEvent(QMouseEvent*) {
    unlightButtons();
}

} // namespace sv
