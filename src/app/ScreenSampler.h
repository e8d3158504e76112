#pragma once
// The live pick: while it runs, twenty times a second and at every pointer motion, the colour
// of the screen under the pointer is picked (one device pixel, or the mean of a square of them);
// while the pointer rests, only a change of that colour is. The pointer is a crosshair over the
// whole screen and the mouse is grabbed by one widget, so the release of a button anywhere
// reaches that widget, whose owner then keeps the colour. With the loupe on, the pixels round
// the pointer show enlarged beside it. The arrow keys step the pointer by one device pixel (ten
// with Shift), Enter or Space keeps the colour, Escape puts back the colours of before; the
// wheel zooms the loupe and Ctrl+wheel changes the sampled square.

#include "color/Color.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;
class QWheelEvent;
class QWidget;

namespace sv {

class ColorSelection;
class Loupe;
class ScreenReader;

class ScreenSampler : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 50;

    // grabber holds the mouse and the keyboard while a pick runs; none where the pick's own
    // windows cover every screen and take the keys.
    ScreenSampler(ScreenReader& screen, const ColorSelection& selection, QWidget* grabber);
    ~ScreenSampler() override;

    bool isSampling() const { return sampling_; }

    // 1, 3, 5 or 9 device pixels a side; the next tick picks with it.
    void setSampleSize(int side);
    int sampleSize() const { return sampleSize_; }
    // Whether the next pick shows the loupe.
    void setLoupeEnabled(bool enabled) { loupeEnabled_ = enabled; }
    // With no grabber, whether the loupe holds the pick's grab (a pick with no other window of
    // the program's): it then shows at the pointer as the pick starts, before anything is read.
    void setLoupeHoldsGrab(bool holds) { loupeHoldsGrab_ = holds; }
    // The window that holds the mouse and keyboard while the pick runs; null where none does.
    QWidget* grabHolder() const;
    // The loupe while a pick shows one.
    Loupe* loupe() const { return loupe_.get(); }

    // Starts a pick (again: the same grab and timer). Where the screen cannot be read at all,
    // says so through screenUnreadable() instead.
    void start();
    // Ends a running pick, keeping its colour; does nothing otherwise.
    void stop();
    // Ends a running pick and puts back the colours shown before it.
    void cancel();
    // One tick: reads the colour under the pointer. After a move, or at the first tick of a
    // pick, it is shown (a colour that cannot be read keeps the current colour, shown again all
    // the same); under a resting pointer, only when it differs from the current colour.
    void tick();
    // The pointer moved over the pick's grabber or views: read now rather than at the next tick.
    // (The X server sends a grabbing program no raw motion, only the grab's own.)
    void pointerMoved();

    enum class KeyAction { None, Moved, Keep, Cancel };
    // What a key does to a running pick: the steps are taken here; keeping and cancelling are
    // left to the caller, who may end the pick its own way.
    KeyAction handleKey(const QKeyEvent& event);
    // The wheel zooms the loupe; with Ctrl it changes the sample size. False when not taken.
    bool handleWheel(const QWheelEvent& event);

signals:
    void colorPicked(sv::ColorValue color);
    // The pick ended with this colour kept.
    void kept(sv::ColorValue color);
    // The pick was cancelled: the colours of before come back.
    void cancelled(sv::ColorValue current, sv::ColorValue previous);
    void stopped();
    void screenUnreadable();
    void sampleSizeChanged(int side);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();
    // The colour under the pointer at pos, and the loupe's pixels round it.
    std::optional<ColorValue> read(QPoint pos);
    // Whether part of an area may still show the loupe where it stood a moment ago; if so, a
    // tick comes again once it cannot.
    bool stillShowsLoupe(const QRect& area);

    ScreenReader& screen_;
    const ColorSelection& selection_;
    QPointer<QWidget> grabber_;
    QTimer timer_;
    bool sampling_ = false;
    int sampleSize_ = 1;
    bool loupeEnabled_ = false;
    bool loupeHoldsGrab_ = false;
    int loupeZoom_;
    std::unique_ptr<Loupe> loupe_;
    std::optional<QPoint> lastPointer_;             // none before the first tick of a pick
    std::vector<std::pair<QRect, qint64>> vacated_; // where the loupe stood, and when it left
    QElapsedTimer vacatedClock_;
    ColorValue currentBefore_ = kWhite;
    ColorValue previousBefore_ = kWhite;
};

} // namespace sv
