#include "app/ScreenSampler.h"

#include "color/ColorSelection.h"
#include "widgets/ScreenReader.h"

#include <QCursor>
#include <QWidget>

namespace sv {

ScreenSampler::ScreenSampler(ScreenReader& screen, const ColorSelection& selection,
                             QWidget* grabber)
    : QObject(grabber), screen_(screen), selection_(selection), grabber_(grabber) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ScreenSampler::tick);
}

ScreenSampler::~ScreenSampler() {
    if (sampling_ && grabber_ != nullptr) {
        grabber_->releaseMouse();
    }
}

void ScreenSampler::start() {
    if (!screen_.canReadScreen()) {
        emit screenUnreadable();
        return;
    }
    // The grab's cursor is the screen-wide crosshair.
    if (grabber_ != nullptr) {
        grabber_->grabMouse(QCursor(Qt::CrossCursor));
    }
    sampling_ = true;
    // The first tick shows the pixel under the pointer, wherever the last pick left it.
    lastPointer_.reset();
    timer_.start();
}

void ScreenSampler::stop() {
    if (!sampling_) {
        return;
    }
    sampling_ = false;
    timer_.stop();
    if (grabber_ != nullptr) {
        grabber_->releaseMouse();
    }
    emit stopped();
}

void ScreenSampler::tick() {
    if (!sampling_) {
        return;
    }
    // The device pixel under the hot spot: exact on scaled screens and next to a monitor's edge.
    const QPoint pos = screen_.pointerDevicePos();
    const std::optional<ColorValue> pixel = screen_.pixelAt(pos);
    if (pos == lastPointer_) {
        // What lies under a resting pointer can change (a video, a page that scrolls): a
        // changed pixel is shown, an unchanged one redraws nothing.
        if (pixel && *pixel != selection_.current()) {
            emit colorPicked(*pixel);
        }
        return;
    }
    lastPointer_ = pos;
    emit colorPicked(pixel.value_or(selection_.current()));
}

} // namespace sv
