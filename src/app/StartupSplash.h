#pragma once
// The start-up splash: shown first, so it waits for nothing but itself. Once it has painted it
// has the (hidden) main window made; 1.5 s after it appears it fills the main window's palette
// and named-colour lists with visible progress, then shows the main window and goes. The
// options are read before it; it owns neither them nor the main window.

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace sv {

class MainWindow;
class ProgressBar;

class StartupSplash : public QWidget {
    Q_OBJECT
public:
    // makeMainWindow makes the main window, hidden, the first time it is called, and gives the
    // same one after.
    explicit StartupSplash(std::function<MainWindow&()> makeMainWindow);
    ~StartupSplash() override;

    ProgressBar* progressBar() const { return progressBar_; }
    QString caption() const { return caption_->text(); }
    QString versionText() const { return version_->text(); }

    // Runs the timer's work at once (tests; the timer fires it 1.5 s after the splash shows).
    void runLoading();

signals:
    // Loading ended and the main window shows.
    void finished();
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

    MainWindow& mainWindow();

    std::function<MainWindow&()> makeMainWindow_;
    MainWindow* mainWindow_ = nullptr;
    QImage picture_;
    QLabel* caption_ = nullptr;
    QLabel* version_ = nullptr;
    ProgressBar* progressBar_ = nullptr;
    QTimer timer_;
    bool ran_ = false;
    qint64 lastPump_ = 0;
};

} // namespace sv
