#include "app/CommandLinePick.h"

#include "app/FrozenFramePick.h"
#include "app/LastingClipboard.h"
#include "app/PortalPicker.h"
#include "app/ScreenSampler.h"
#include "history/HistoryStore.h"
#include "settings/Options.h"
#include "widgets/ScreenReader.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace sv {

namespace {

constexpr int kGrabWaitMs = 1500;

// The window that holds the pick's grab: one pixel, off every screen, so it never stands over
// what is picked, never takes the focus and shows in no task bar. The X server sends the grab's
// moves and the release that keeps the colour here.
class Grabber : public QWidget {
public:
    Grabber()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                               Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setGeometry(-10, -10, 1, 1);
    }
    ScreenSampler* sampler = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent*) override { sampler->pointerMoved(); }
    void mouseReleaseEvent(QMouseEvent*) override { sampler->stop(); }
};

} // namespace

std::vector<OwnFormat> storedOwnFormats(SettingsFile& store) {
    return readOwnFormats(store.read().value_or(SettingsMap{}));
}

CommandLinePick::CommandLinePick(ScreenReader& screen, PickFormat format, bool copy, int sampleSize,
                                 bool loupe, std::FILE* output, std::FILE* errors)
    : screen_(screen), format_(std::move(format)), copy_(copy), sampleSize_(sampleSize),
      loupe_(loupe), output_(output), errors_(errors) {}

CommandLinePick::~CommandLinePick() = default;

void CommandLinePick::start() {
    if (picksThroughPortal()) {
        portal_ = new PortalPicker(selection_, this);
        portal_->frozenPick().setPickSettings(sampleSize_, loupe_);
        connect(portal_, &PortalPicker::colorPicked, &selection_, &ColorSelection::setCurrent);
        connect(portal_, &PortalPicker::kept, this, &CommandLinePick::keep);
        connect(portal_, &PortalPicker::failed, this, &CommandLinePick::fail);
        connect(portal_, &PortalPicker::cancelled, this, [this] {
            ended_ = true;
            emit finished(1);
        });
        portal_->start();
        return;
    }
    // Only an X server lets a program read the screen and grab the pointer.
    if (!screen_.canReadScreen() || QGuiApplication::platformName() != QLatin1String("xcb")) {
        fail(QStringLiteral("the screen cannot be read on the display \"%1\"")
                 .arg(QGuiApplication::platformName()));
        return;
    }
    // The loupe holds the grab where it shows: one window, at the pointer at once. Without
    // it, a window of one pixel off the screen does.
    Grabber* grabber = nullptr;
    if (!loupe_) {
        grabber = new Grabber;
        grabber_.reset(grabber);
    }
    sampler_ = new ScreenSampler(screen_, selection_, grabber);
    sampler_->setParent(this); // it outlives the grabber, which it releases when it ends
    sampler_->setSampleSize(sampleSize_);
    sampler_->setLoupeEnabled(loupe_);
    sampler_->setLoupeHoldsGrab(true);
    if (grabber != nullptr) {
        grabber->sampler = sampler_;
        // An override-redirect window is mapped as soon as asked, so the grab that follows
        // finds it on the server.
        grabber->show();
    }
    connect(sampler_, &ScreenSampler::colorPicked, &selection_, &ColorSelection::setCurrent);
    connect(sampler_, &ScreenSampler::kept, this, &CommandLinePick::keep);
    connect(sampler_, &ScreenSampler::cancelled, this, [this] {
        ended_ = true;
        emit finished(1);
    });
    sampler_->start();
    // The loupe's first picture and the colour at once, not at the first tick.
    sampler_->pointerMoved();
    grabUntilFree(QDeadlineTimer(kGrabWaitMs));
}

void CommandLinePick::grabUntilFree(QDeadlineTimer deadline) {
    // A desktop's shortcut may still hold the keyboard while its key is down: try again.
    QWidget* holder = sampler_->grabHolder();
    if (ended_ || holder == nullptr) {
        return;
    }
    QWindow* window = holder->windowHandle();
    if (window != nullptr && window->setKeyboardGrabEnabled(true) &&
        window->setMouseGrabEnabled(true)) {
        return;
    }
    if (deadline.hasExpired()) {
        fail(QStringLiteral("another program holds the pointer or the keyboard"));
    } else {
        QTimer::singleShot(20, this, [this, deadline] { grabUntilFree(deadline); });
    }
}

void CommandLinePick::keep(ColorValue color) {
    if (std::exchange(ended_, true)) {
        return;
    }
    // Not deleted here: the grabber may be handling the release that kept the colour.
    if (grabber_ != nullptr) {
        grabber_.release()->deleteLater();
    }
    const QString text = QString::fromStdString(format_.text(color));
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), output_);
    std::fflush(output_);
    HistoryStore history(HistoryStore::defaultPath());
    connect(&history, &HistoryStore::cannotStore, this, [this](const QString& path) {
        std::fprintf(errors_, "Spectrivue: the history of picks cannot be saved in %s\n",
                     qPrintable(path));
    });
    history.add(color);
    if (copy_) {
        const QString failure = keepOnClipboard(text);
        if (!failure.isEmpty()) {
            std::fprintf(errors_, "Spectrivue: the colour is not on the clipboard: %s\n",
                         qPrintable(failure));
            emit finished(2);
            return;
        }
    }
    emit finished(0);
}

void CommandLinePick::fail(const QString& why) {
    if (std::exchange(ended_, true)) {
        return;
    }
    std::fprintf(errors_, "Spectrivue: %s\n", qPrintable(why));
    emit finished(2);
}

} // namespace sv
