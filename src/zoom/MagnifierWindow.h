#pragma once
// The magnifier window: ten times a second, while it captures, the screen square round the
// pointer enlarged over its view. Once the capture stops the last image stays: pointing into
// it shows the colour under the pointer, a press picks that colour and draws its shades to
// black and to white, and a press on the picked colour or a shade makes it the current colour.

#include "color/Color.h"
#include "color/VisionSimulation.h"
#include "widgets/ToolWindow.h"
#include "zoom/MagnifierMath.h"

#include <QImage>
#include <QTimer>
#include <optional>

class QComboBox;

namespace sv {

class ColorBox;
class ColorSelection;
class GradientStrip;
class ImageButton;
class Options;
class ScreenReader;

// The enlarged screen square: a frame held in memory, painted as it is.
class MagnifierView : public QWidget {
    Q_OBJECT
public:
    explicit MagnifierView(QWidget* parent = nullptr);

    // The square as read from the screen, and the frame it was stretched into, as seen with
    // the vision chosen.
    void setSquare(QImage square);
    // Shows the view as people with this vision see it; colours read from it stay the
    // screen's own.
    void setVision(Vision vision);
    Vision vision() const { return vision_; }
    void clear();
    const QImage& square() const { return square_; }
    const QImage& frame() const { return frame_; }
    // The colour the view shows at a point, read from the square; empty outside the view or
    // before any image.
    std::optional<ColorValue> colorAt(QPoint pos) const;
    // Where the keyboard's inspection point lies in the view: the middle of the image pixel the
    // arrow keys moved it to (it starts in the middle of the image). Enter picks it as a click
    // there would; empty before any image.
    std::optional<QPoint> inspectionPoint() const;

signals:
    void moved(QPoint pos);
    void pressed(QPoint pos);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The view pixels showing image pixel (column, row).
    QRect pixelRect(QPoint source) const;
    void stretch();

    QImage square_;
    QImage frame_;
    std::optional<QPoint> inspected_; // image pixel the keyboard points at
    Vision vision_ = Vision::Typical;
};

class MagnifierWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kGrabIntervalMs = 100;

    MagnifierWindow(QWidget* mainWindow, ScreenReader& screen, const Options& options,
                    const ColorSelection& selection);
    ~MagnifierWindow() override;

    ImageButton* startButton() const { return startButton_; }
    QComboBox* visionBox() const { return visionBox_; }
    MagnifierView* view() const { return view_; }
    ColorBox* pickedSwatch() const { return swatch_; }
    GradientStrip* shadeToBlack() const { return toBlack_; }
    GradientStrip* shadeToWhite() const { return toWhite_; }
    MagnifierState state() const { return state_; }

    // One grab: the square round the pointer into the view, unless the pointer is over the
    // view itself.
    void grabTick();

    // Where the screen cannot be read (Wayland): each capture asks for a picture of the
    // desktop (screenshotWanted) and runs over it once given (captureOver).
    void setCapturesThroughScreenshots(bool on) { capturesThroughScreenshots_ = on; }
    // Runs the waiting capture over a frozen picture of the desktop until it ends.
    void captureOver(ScreenReader& frozen);
    // What a press, a release or a key over the frozen picture means to the capture.
    void handle(MagnifierEvent event);
    // Empties the view (Escape).
    void clearView();

signals:
    // The screen cannot be read on this platform (reported once per window).
    void screenUnreadable();
    void colorPicked(sv::ColorValue color);
    // A capture through screenshots started, and waits for its picture.
    void screenshotWanted();
    // A capture through screenshots ended: its picture is no longer read.
    void captureStopped();

protected:
    // Escape clears and hides the view; a running capture goes on.
    void escapePressed() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startCapture();
    void stopCapture(bool untilRelease = false);
    // Lets go of a grab kept after a capture ended on a press.
    void releaseHeldGrab();
    void inspect(QPoint pos);
    void pick(QPoint pos);
    void send(const ColorBox* box, QPoint pos);
    void drawShades(ColorValue picked);

    ScreenReader& screen_;
    ScreenReader* capturing_ = nullptr; // what the running capture reads: screen_ or a picture
    const Options& options_;
    const ColorSelection& selection_;
    MagnifierView* view_ = nullptr;
    ColorBox* swatch_ = nullptr;
    GradientStrip* toBlack_ = nullptr;
    GradientStrip* toWhite_ = nullptr;
    ImageButton* startButton_ = nullptr;
    QComboBox* visionBox_ = nullptr;
    QTimer grabTimer_;
    MagnifierState state_ = MagnifierState::Idle;
    std::optional<ColorValue> picked_;
    bool unreadableReported_ = false;
    bool grabHeldForRelease_ = false; // the press that ended a capture is still down
    bool capturesThroughScreenshots_ = false;
};

} // namespace sv
