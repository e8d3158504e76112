#include "zoom/MagnifierWindow.h"

#include "color/ColorSelection.h"
#include "color/Numeric.h"
#include "gradient/GradientStrip.h"
#include "settings/Options.h"
#include "widgets/Artwork.h"
#include "widgets/ColorBox.h"
#include "widgets/FocusFrame.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include <utility>

namespace sv {

MagnifierView::MagnifierView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Magnified screen"));
}

void MagnifierView::setSquare(QImage square) {
    square_ = square.convertToFormat(QImage::Format_RGB32);
    stretch();
}

void MagnifierView::setVision(Vision vision) {
    vision_ = vision;
    if (!square_.isNull()) {
        stretch();
    }
}

void MagnifierView::stretch() {
    // The square is simulated, not the frame: a few hundred pixels, not ninety thousand.
    QImage seen = square_;
    if (vision_ != Vision::Typical) {
        seen.detach();
        simulateVision(reinterpret_cast<std::uint32_t*>(seen.bits()),
                       std::size_t(seen.width()) * std::size_t(seen.height()), vision_);
    }
    frame_ = QImage(size(), QImage::Format_RGB32);
    // Both images are RGB32 with rows of exactly width × 4 bytes.
    stretchSquare(reinterpret_cast<const std::uint32_t*>(seen.constBits()), seen.width(),
                  reinterpret_cast<std::uint32_t*>(frame_.bits()), frame_.width(), frame_.height());
    update();
}

void MagnifierView::clear() {
    square_ = QImage();
    frame_ = QImage();
    inspected_.reset();
    update();
}

QRect MagnifierView::pixelRect(QPoint source) const {
    // The first view pixel v showing source pixel s is the least v with v × side / size >= s.
    const int side = square_.width();
    auto first = [side](int s, int size) { return (s * size + side - 1) / side; };
    const QPoint topLeft(first(source.x(), width()), first(source.y(), height()));
    const QPoint end(first(source.x() + 1, width()), first(source.y() + 1, height()));
    return {topLeft, end - QPoint(1, 1)};
}

std::optional<QPoint> MagnifierView::inspectionPoint() const {
    if (square_.isNull()) {
        return std::nullopt;
    }
    const int side = square_.width();
    return pixelRect(inspected_.value_or(QPoint(side / 2, side / 2))).center();
}

void MagnifierView::keyPressEvent(QKeyEvent* event) {
    const auto point = inspectionPoint();
    if (!point) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int side = square_.width();
    QPoint source = inspected_.value_or(QPoint(side / 2, side / 2));
    switch (event->key()) {
    case Qt::Key_Left:
        source.rx() -= 1;
        break;
    case Qt::Key_Right:
        source.rx() += 1;
        break;
    case Qt::Key_Up:
        source.ry() -= 1;
        break;
    case Qt::Key_Down:
        source.ry() += 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit pressed(*point);
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    inspected_ = QPoint(std::clamp(source.x(), 0, side - 1), std::clamp(source.y(), 0, side - 1));
    update();
    emit moved(*inspectionPoint());
}

std::optional<ColorValue> MagnifierView::colorAt(QPoint pos) const {
    if (square_.isNull() || !rect().contains(pos)) {
        return std::nullopt;
    }
    const int side = square_.width();
    return fromQRgb(
        square_.pixel(sourceIndex(pos.x(), side, width()), sourceIndex(pos.y(), side, height())));
}

void MagnifierView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (frame_.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    p.drawImage(rect(), frame_);
    if (hasFocus() && !square_.isNull()) {
        const int side = square_.width();
        drawFocusFrame(
            p, pixelRect(inspected_.value_or(QPoint(side / 2, side / 2))).adjusted(-2, -2, 2, 2));
    }
}

void MagnifierView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

void MagnifierView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
}

void MagnifierView::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

MagnifierWindow::MagnifierWindow(QWidget* mainWindow, ScreenReader& screen, const Options& options,
                                 const ColorSelection& selection)
    : ToolWindow(mainWindow, {tr("[ Image Magnification ]"), QSize(5400, 5760), QPoint(120, 90)}),
      screen_(screen), options_(options), selection_(selection) {
    view_ = new MagnifierView(this);
    view_->setGeometry(pixelsFromTwips(QRect(105, 450, 5160, 3960)));
    connect(view_, &MagnifierView::moved, this, &MagnifierWindow::inspect);
    connect(view_, &MagnifierView::pressed, this, &MagnifierWindow::pick);
    connect(view_, &MagnifierView::clicked, this, [this] { handle(MagnifierEvent::ViewClicked); });

    auto box = [this](const QRect& twipRect, ColorValue color, const char* name) {
        auto* b = new ColorBox(this);
        b->setGeometry(pixelsFromTwips(twipRect));
        b->setBackColor(color);
        b->setAccessibleName(tr(name));
        return b;
    };
    swatch_ = box(QRect(795, 4575, 795, 615), 0xC0C0C0, QT_TR_NOOP("Picked colour"));
    // The picked colour and its shades take the keyboard: Enter or Space sends the colour (of
    // the shade at the strip's keyboard place) as a click does.
    swatch_->setFocusPolicy(Qt::TabFocus);
    auto shades = [this](const QRect& twipRect, ColorValue end, const char* name) {
        auto* strip = new GradientStrip(this);
        strip->setGeometry(pixelsFromTwips(twipRect));
        strip->setBackColor(end);
        strip->setFocusPolicy(Qt::TabFocus);
        strip->unsetCursor(); // the paint-drop pointer comes with the first pick
        strip->setAccessibleName(tr(name));
        return strip;
    };
    toBlack_ = shades(QRect(1710, 4575, 2895, 285), kBlack, QT_TR_NOOP("Shades to black"));
    toWhite_ = shades(QRect(1710, 4905, 2895, 285), kWhite, QT_TR_NOOP("Shades to white"));
    for (GradientStrip* strip : {toBlack_, toWhite_}) {
        connect(strip, &ColorBox::pressed, this,
                [this, strip](Qt::MouseButton, QPoint pos) { send(strip, pos); });
    }
    // While capturing the swatch holds the mouse: presses and releases anywhere reach it.
    connect(swatch_, &ColorBox::pressed, this, [this](Qt::MouseButton, QPoint pos) {
        handle(MagnifierEvent::ButtonPressed);
        send(swatch_, pos);
    });
    connect(swatch_, &ColorBox::released, this, [this](Qt::MouseButton, QPoint) {
        handle(MagnifierEvent::ButtonReleased);
        releaseHeldGrab();
    });

    startButton_ = new ImageButton(this);
    startButton_->setText(tr("Go"));
    startButton_->setToolTip(tr("  Start Capture - { F10 }  "));
    startButton_->setGeometry(pixelsFromTwips(QRect(180, 4605, 495, 540)));
    connect(startButton_, &ImageButton::clicked, this,
            [this] { handle(MagnifierEvent::StartPressed); });
    closeButton()->setGeometry(pixelsFromTwips(QRect(4755, 4605, 495, 540)));

    // Below the picked colour and its shades, a row of its own: how the view looks to people
    // with a colour-vision deficiency.
    auto* visionLabel = new QLabel(tr("Simulate:"), this);
    visionBox_ = new QComboBox(this);
    for (const Vision v : kVisions) {
        visionBox_->addItem(QCoreApplication::translate("sv::ColorAnalysisView", visionName(v)));
    }
    visionLabel->setBuddy(visionBox_);
    visionBox_->setAccessibleName(tr("Simulate"));
    const QRect row = pixelsFromTwips(QRect(180, 5280, 5070, 360));
    visionLabel->setGeometry(row.x(), row.y(), visionLabel->sizeHint().width(), row.height());
    visionBox_->setGeometry(visionLabel->geometry().right() + 8, row.y(),
                            visionBox_->sizeHint().width(), row.height());
    connect(visionBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && std::size_t(index) < kVisions.size()) {
            view_->setVision(kVisions[std::size_t(index)]);
        }
    });

    grabTimer_.setInterval(kGrabIntervalMs);
    connect(&grabTimer_, &QTimer::timeout, this, &MagnifierWindow::grabTick);
}

MagnifierWindow::~MagnifierWindow() {
    stopCapture();
    releaseHeldGrab();
}

void MagnifierWindow::handle(MagnifierEvent event) {
    const MagnifierState next = nextState(state_, event, options_.stopCapture());
    if (next == state_) {
        return;
    }
    if (state_ == MagnifierState::Capturing) {
        // A capture ended by a press keeps the mouse until that button's release: let go of
        // it now and the release goes to whatever window lies under the pointer, while this
        // program still thinks the button down and ignores the pointer over its own windows.
        stopCapture(event == MagnifierEvent::ButtonPressed);
    }
    state_ = next;
    if (next == MagnifierState::Capturing) {
        startCapture();
    } else if (next == MagnifierState::Locked) {
        view_->unsetCursor();
    }
}

void MagnifierWindow::startCapture() {
    view_->show();
    view_->raise();
    if (capturesThroughScreenshots_) {
        // No grab: the picture's own views cover every screen and report the pointer.
        emit screenshotWanted();
        return;
    }
    capturing_ = &screen_;
    swatch_->grabMouse(QCursor(Qt::CrossCursor));
    grabTimer_.start();
}

void MagnifierWindow::captureOver(ScreenReader& frozen) {
    if (state_ != MagnifierState::Capturing || !capturesThroughScreenshots_) {
        return;
    }
    capturing_ = &frozen;
    grabTimer_.start();
    grabTick();
}

void MagnifierWindow::stopCapture(bool untilRelease) {
    if (capturesThroughScreenshots_) {
        grabTimer_.stop();
        capturing_ = nullptr;
        emit captureStopped();
        return;
    }
    if (!grabTimer_.isActive()) {
        return;
    }
    grabTimer_.stop();
    capturing_ = nullptr;
    grabHeldForRelease_ = untilRelease;
    if (!untilRelease) {
        swatch_->releaseMouse();
    }
}

void MagnifierWindow::releaseHeldGrab() {
    if (std::exchange(grabHeldForRelease_, false)) {
        swatch_->releaseMouse();
    }
}

void MagnifierWindow::grabTick() {
    if (state_ != MagnifierState::Capturing || capturing_ == nullptr) {
        return;
    }
    // Never enlarge the view into itself (a frozen picture covers it).
    if (capturing_ == &screen_ && QApplication::widgetAt(screen_.cursorPos()) == view_) {
        return;
    }
    const int side = sourceSide(view_->height(), options_.zoom());
    const QPoint hotSpot = capturing_->pointerDevicePos();
    const PixelPoint corner = sourceCorner({hotSpot.x(), hotSpot.y()}, side);
    QImage square = capturing_->grabDevicePixels(QRect(corner.x, corner.y, side, side));
    if (square.isNull()) {
        square = QImage(side, side, QImage::Format_RGB32);
        square.fill(Qt::black);
        if (!capturing_->canReadScreen() && !unreadableReported_) {
            unreadableReported_ = true;
            emit screenUnreadable();
        }
    }
    view_->setSquare(std::move(square));
}

void MagnifierWindow::inspect(QPoint pos) {
    if (state_ == MagnifierState::Locked) {
        return;
    }
    if (const auto c = view_->colorAt(pos)) {
        swatch_->setBackColor(*c);
        view_->setCursor(appCursor(AppCursor::Drop));
    }
}

void MagnifierWindow::pick(QPoint pos) {
    if (state_ == MagnifierState::Locked) {
        return;
    }
    if (const auto c = view_->colorAt(pos)) {
        picked_ = *c;
        drawShades(*c);
        for (ColorBox* b : std::initializer_list<ColorBox*>{swatch_, toBlack_, toWhite_}) {
            b->setCursor(appCursor(AppCursor::Brush));
        }
    }
}

void MagnifierWindow::drawShades(ColorValue picked) {
    for (const auto& [strip, end] : {std::pair{toBlack_, kBlack}, std::pair{toWhite_, kWhite}}) {
        strip->setColumns(shadeColumns(picked, end, strip->width() * kTwipsPerPixel));
    }
}

void MagnifierWindow::send(const ColorBox* box, QPoint pos) {
    if (!picked_ || !box->rect().contains(pos)) {
        return;
    }
    const auto* strip = qobject_cast<const GradientStrip*>(box);
    const ColorValue c =
        strip != nullptr ? strip->colorAt(pos).value_or(box->backColor()) : box->backColor();
    picked_ = c;
    emit colorPicked(c);
}

void MagnifierWindow::escapePressed() {
    clearView();
}

void MagnifierWindow::clearView() {
    view_->clear();
    view_->hide();
}

void MagnifierWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10) {
        handle(MagnifierEvent::F10);
        event->accept();
        return;
    }
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (press && focusWidget() == swatch_) {
        send(swatch_, swatch_->rect().center());
        event->accept();
        return;
    }
    ToolWindow::keyPressEvent(event);
}

void MagnifierWindow::closeEvent(QCloseEvent* event) {
    stopCapture();
    releaseHeldGrab();
    ToolWindow::closeEvent(event);
}

} // namespace sv
