#include "app/FrozenFramePick.h"

#include "app/ScreenSampler.h"
#include "color/ColorSelection.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace sv {

FrozenFramePick::FrozenFramePick(const ColorSelection& selection, QObject* parent)
    : QObject(parent), selection_(selection) {
    connect(&frame_, &FrozenFrame::pointerMoved, this, [this] {
        if (isRunning()) {
            sampler_->pointerMoved();
        }
    });
    connect(&frame_, &FrozenFrame::buttonReleased, this, &FrozenFramePick::keep);
    connect(&frame_, &FrozenFrame::keyPressed, this, &FrozenFramePick::onKey);
    connect(&frame_, &FrozenFrame::wheelTurned, this, [this](QWheelEvent* event) {
        if (isRunning()) {
            sampler_->handleWheel(*event);
        }
    });
}

FrozenFramePick::~FrozenFramePick() = default;

void FrozenFramePick::setPickSettings(int sampleSize, bool loupe) {
    sampleSize_ = sampleSize;
    loupe_ = loupe;
}

void FrozenFramePick::start(const QImage& screenshot) {
    if (isRunning() || screenshot.isNull()) {
        return;
    }
    frame_.show(screenshot);
    begin();
}

void FrozenFramePick::startOverDevicePixels(const QImage& frame, QPoint deviceOrigin,
                                            ScreenReader& live) {
    if (isRunning() || frame.isNull()) {
        return;
    }
    frame_.showDevicePixels(frame, deviceOrigin, live);
    begin();
}

void FrozenFramePick::begin() {
    currentBefore_ = selection_.current();
    previousBefore_ = selection_.previous();
    // No mouse grab: the views cover every screen, and a grab would hand every view's events
    // to the first one, with the pointer's place on the wrong screen.
    sampler_ = std::make_unique<ScreenSampler>(frame_.screen(), selection_, nullptr);
    connect(sampler_.get(), &ScreenSampler::colorPicked, this, &FrozenFramePick::colorPicked);
    connect(sampler_.get(), &ScreenSampler::sampleSizeChanged, this,
            &FrozenFramePick::sampleSizeChanged);
    sampler_->setSampleSize(sampleSize_);
    // A Wayland program cannot place a window beside the pointer.
    sampler_->setLoupeEnabled(loupe_ && QGuiApplication::platformName() == QLatin1String("xcb"));
    sampler_->start();
}

void FrozenFramePick::onKey(QKeyEvent* event) {
    if (!isRunning()) {
        return;
    }
    if (event->key() == Qt::Key_F9) {
        keep();
        return;
    }
    switch (sampler_->handleKey(*event)) {
    case ScreenSampler::KeyAction::Keep:
        keep();
        break;
    case ScreenSampler::KeyAction::Cancel:
        cancel();
        break;
    default:
        break;
    }
}

void FrozenFramePick::keep() {
    if (!isRunning()) {
        return;
    }
    sampler_->tick(); // the colour under the pointer at the click
    end();
    emit kept(selection_.current());
}

void FrozenFramePick::cancel() {
    if (!isRunning()) {
        return;
    }
    end();
    emit colorsRestored(currentBefore_, previousBefore_);
}

void FrozenFramePick::end() {
    sampler_->stop();
    sampler_.reset();
    frame_.close();
    emit finished();
}

} // namespace sv
