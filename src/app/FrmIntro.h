#pragma once
// The start-up splash: it loads the main window hidden, reads the options, fills the palette
// and the named-colour lists with visible progress, then shows the main window and goes.

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace sv {

class Mdi;
class Options;
class ScreenReader;
class XP_ProgressBar;

class FrmIntro : public QWidget {
    Q_OBJECT
public:
    FrmIntro(ScreenReader& screen, Options& options, QWidget* parent = nullptr);
    ~FrmIntro() override;

    // The main window once phase 2 has made it (the splash hands it over at the end).
    Mdi* mainWindow() const { return mdi_; }
    Mdi* takeMainWindow();

    XP_ProgressBar* progressBar() const { return pb_; }
    QString caption() const { return lbl_->text(); }

    // Runs the timer's work at once (tests; the timer fires it 1.5 s after the splash shows).
    void runLoading();

signals:
    // Loading ended; ok is false when an error stopped it before the main window was shown.
    void finished(bool ok);
    // Every progress step: the bar's value and the caption at that moment.
    void progress(int value, const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setProgress(int value);
    void letEventsRun(bool force);
    void reportError(int number, const QString& description);

    ScreenReader& screen_;
    Options& options_;
    QImage picture_;
    QLabel* lbl_ = nullptr;
    QLabel* lblVersao_ = nullptr;
    QLabel* label2_ = nullptr;
    XP_ProgressBar* pb_ = nullptr;
    QTimer tmr_;
    Mdi* mdi_ = nullptr;
    bool ran_ = false;
    qint64 lastPump_ = 0;
};

} // namespace sv
