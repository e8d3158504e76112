#include "app/ScreenSampler.h"

#include "color/AreaAverage.h"
#include "color/ColorSelection.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"
#include "zoom/Loupe.h"
#include "zoom/LoupeMath.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace sv {

namespace {

// How long a window that the loupe has just moved off may take to repaint what it covered;
// until then those pixels still show the loupe.
constexpr qint64 kUncoverMs = 40;

} // namespace

ScreenSampler::ScreenSampler(ScreenReader& screen, const ColorSelection& selection,
                             QWidget* grabber)
    : QObject(grabber), screen_(screen), selection_(selection), grabber_(grabber),
      loupeZoom_(kDefaultLoupeZoom) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ScreenSampler::tick);
    vacatedClock_.start();
}

ScreenSampler::~ScreenSampler() {
    if (sampling_) {
        qApp->removeEventFilter(this);
        if (QWidget* holder = grabHolder()) {
            holder->releaseKeyboard();
            holder->releaseMouse();
        }
    }
}

QWidget* ScreenSampler::grabHolder() const {
    if (grabber_ != nullptr) {
        return grabber_;
    }
    return loupeHoldsGrab_ ? loupe_.get() : nullptr;
}

void ScreenSampler::setSampleSize(int side) {
    if (!isSampleSize(side) || side == sampleSize_) {
        return;
    }
    sampleSize_ = side;
    if (loupe_ != nullptr) {
        loupe_->setSampleSize(side);
    }
    lastPointer_.reset(); // the next tick shows the new square's colour
    emit sampleSizeChanged(side);
}

void ScreenSampler::start() {
    if (!screen_.canReadScreen()) {
        emit screenUnreadable();
        return;
    }
    if (loupeEnabled_ && loupe_ == nullptr) {
        loupe_ = std::make_unique<Loupe>();
        loupe_->setZoom(loupeZoom_);
        loupe_->setSampleSize(sampleSize_);
        connect(loupe_.get(), &Loupe::zoomChanged, this, [this](int zoom) {
            loupeZoom_ = zoom;
            lastPointer_.reset();
        });
        if (grabber_ == nullptr && loupeHoldsGrab_) {
            // A grab needs a window on the screen: the loupe, where the first tick puts it.
            loupe_->placeBeside(screen_.toLogical(screen_.pointerDevicePos()));
            loupe_->show();
        }
    }
    QWidget* holder = grabHolder();
    if (!sampling_) {
        currentBefore_ = selection_.current();
        previousBefore_ = selection_.previous();
        // Keys and the wheel reach the pick wherever they are sent (where the pick's own
        // windows do not take them).
        if (holder != nullptr) {
            qApp->installEventFilter(this);
        }
    }
    // The grab's cursor is the screen-wide crosshair.
    if (holder != nullptr) {
        holder->grabMouse(QCursor(Qt::CrossCursor));
        holder->grabKeyboard();
    }
    sampling_ = true;
    // The first tick shows the colour under the pointer, wherever the last pick left it.
    lastPointer_.reset();
    timer_.start();
}

void ScreenSampler::end() {
    sampling_ = false;
    timer_.stop();
    qApp->removeEventFilter(this);
    if (QWidget* holder = grabHolder()) {
        holder->releaseKeyboard();
        holder->releaseMouse();
    }
    if (loupe_ != nullptr) {
        // Later: the loupe may be handling the very release that ends the pick.
        loupe_->hide();
        loupe_.release()->deleteLater();
    }
    vacated_.clear();
    emit stopped();
}

void ScreenSampler::stop() {
    if (!sampling_) {
        return;
    }
    end();
    emit kept(selection_.current());
}

void ScreenSampler::cancel() {
    if (!sampling_) {
        return;
    }
    end();
    emit cancelled(currentBefore_, previousBefore_);
}

std::optional<ColorValue> ScreenSampler::read(QPoint pos) {
    if (loupe_ == nullptr && sampleSize_ == 1) {
        return screen_.pixelAt(pos);
    }
    const int side = loupe_ != nullptr ? loupe_->pixelsShown() : sampleSize_;
    const int centre = side / 2;
    const QImage pixels =
        screen_.grabDevicePixels(QRect(pos - QPoint(centre, centre), QSize(side, side)));
    if (pixels.isNull()) {
        return std::nullopt;
    }
    // Only pixels that lie on a screen count: at its edge, the square is cut short.
    ChannelMean mean;
    const int half = sampleSize_ / 2;
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            if (screen_.isOnScreen(pos + QPoint(dx, dy))) {
                mean.add(fromQRgb(pixels.pixel(centre + dx, centre + dy)));
            }
        }
    }
    const std::optional<ColorValue> picked = mean.mean();
    if (loupe_ != nullptr) {
        loupe_->showPixels(pixels, picked.value_or(selection_.current()));
    }
    return picked;
}

bool ScreenSampler::stillShowsLoupe(const QRect& area) {
    const qint64 now = vacatedClock_.elapsed();
    std::erase_if(vacated_, [now](const auto& v) { return now - v.second >= kUncoverMs; });
    for (const auto& [rect, when] : vacated_) {
        if (rect.intersects(area)) {
            QTimer::singleShot(int(kUncoverMs - (now - when)) + 1, this, &ScreenSampler::tick);
            return true;
        }
    }
    return false;
}

void ScreenSampler::tick() {
    // Nothing is shown from a place the pointer may not be at (a frozen frame on Wayland, before
    // the pointer has moved over it).
    if (!sampling_ || !screen_.knowsPointer()) {
        return;
    }
    // The device pixel under the hot spot: exact on scaled screens and next to a monitor's edge.
    const QPoint pos = screen_.pointerDevicePos();
    if (pos == lastPointer_) {
        // What lies under a resting pointer can change (a video, a page that scrolls): a
        // changed colour is shown, an unchanged one redraws nothing.
        const std::optional<ColorValue> colour = read(pos);
        if (colour && *colour != selection_.current()) {
            emit colorPicked(*colour);
        }
        return;
    }
    if (loupe_ != nullptr) {
        // The loupe moves before anything is read, away from what it will show; where it stood,
        // it is read once the window under it has had time to repaint.
        const QRect before = loupe_->deviceFrame();
        loupe_->placeBeside(screen_.toLogical(pos));
        if (!loupe_->isVisible()) {
            loupe_->show();
        } else if (loupe_->deviceFrame() != before) {
            vacated_.emplace_back(before, vacatedClock_.elapsed());
        }
        const int half = loupe_->pixelsShown() / 2;
        if (stillShowsLoupe(QRect(pos - QPoint(half, half), pos + QPoint(half, half)))) {
            return;
        }
    }
    lastPointer_ = pos;
    emit colorPicked(read(pos).value_or(selection_.current()));
}

void ScreenSampler::pointerMoved() {
    if (!sampling_) {
        return;
    }
    timer_.start(); // the tick is for a resting pointer
    tick();
}

ScreenSampler::KeyAction ScreenSampler::handleKey(const QKeyEvent& event) {
    if (!sampling_) {
        return KeyAction::None;
    }
    const int step = event.modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    QPoint delta;
    switch (event.key()) {
    case Qt::Key_Escape:
        return KeyAction::Cancel;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return KeyAction::Keep;
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    default:
        return KeyAction::None;
    }
    screen_.movePointerTo(screen_.pointerDevicePos() + delta);
    tick();
    return KeyAction::Moved;
}

bool ScreenSampler::handleWheel(const QWheelEvent& event) {
    const int y = event.angleDelta().y();
    if (!sampling_ || y == 0) {
        return false;
    }
    const int steps = y > 0 ? 1 : -1;
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        setSampleSize(stepSampleSize(sampleSize_, steps));
    } else if (loupe_ != nullptr) {
        loupe_->setZoom(stepLoupeZoom(loupe_->zoom(), steps));
    } else {
        return false;
    }
    tick();
    return true;
}

bool ScreenSampler::eventFilter(QObject* watched, QEvent* event) {
    // Each event reaches the filter for the window and again for the widget: the widget's
    // is the one taken.
    if (!sampling_ || !watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        switch (handleKey(*static_cast<QKeyEvent*>(event))) {
        case KeyAction::None:
            return false;
        case KeyAction::Keep:
            stop();
            return true;
        case KeyAction::Cancel:
            cancel();
            return true;
        case KeyAction::Moved:
            return true;
        }
    }
    if (event->type() == QEvent::Wheel) {
        return handleWheel(*static_cast<QWheelEvent*>(event));
    }
    // A loupe that holds the grab hears the pointer for the pick.
    if (watched == loupe_.get() && loupeHoldsGrab_ && grabber_ == nullptr) {
        if (event->type() == QEvent::MouseMove) {
            pointerMoved();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            stop();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sv
