#include "app/StartupSplash.h"

#include "AppInfo.h"
#include "app/MainWindow.h"
#include "app/SplashPicture.h"
#include "controls/ProgressBar.h"
#include "palette/NamedColors.h"
#include "palette/NamesPanel.h"
#include "widgets/PlainText.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <exception>

namespace sv {

namespace {

constexpr int kSplashDelayMs = 1500;
// Pending events run at least this often while the names load: the bar and the caption
// change for every name, and the splash stays responsive.
constexpr qint64 kPumpIntervalMs = 15;

} // namespace

StartupSplash::StartupSplash(std::function<MainWindow&()> makeMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::SplashScreen),
      makeMainWindow_(std::move(makeMainWindow)), picture_(splashPicture()) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(picture_.size());

    caption_ = new QLabel(tr("Loading... files..."), this);
    caption_->setGeometry(10, 356, 530, 18);
    version_ = new QLabel(this);
    version_->setGeometry(44, 170, 300, 18);
    auto* notice = new QLabel(tr("Free software under the MIT licence. Named colour values from "
                                 "public colour-name lists."),
                              this);
    // Room for two lines in the taller line spacing of Japanese and Chinese fonts.
    notice->setGeometry(10, 301, 530, 44);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setWordWrap(true);
    for (QLabel* l : {caption_, version_, notice}) {
        l->setStyleSheet(QStringLiteral("color: #DDE6F2; background: transparent;"));
    }

    progressBar_ = new ProgressBar(ProgressBar::Look::Glow, this);
    progressBar_->setGeometry(0, 380, 549, 14);
    progressBar_->setColor(QColor(0, 0xC0, 0));
    progressBar_->setAccessibleName(tr("Loading"));

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setProgress(10);
    version_->setText(tr("Version: %1").arg(QString::fromStdString(sv::versionText())));
    caption_->setText(tr("Loading... files..."));
    timer_.setSingleShot(true);
    // A coarse timer may fire 5 % early.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kSplashDelayMs);
    connect(&timer_, &QTimer::timeout, this, &StartupSplash::runLoading);
}

StartupSplash::~StartupSplash() {
    if (!ran_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

MainWindow& StartupSplash::mainWindow() {
    if (mainWindow_ == nullptr) {
        mainWindow_ = &makeMainWindow_();
    }
    return *mainWindow_;
}

void StartupSplash::setProgress(int value) {
    progressBar_->advanceTo(value);
    emit progress(value, caption_->text());
}

void StartupSplash::letEventsRun(bool force) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (force || now - lastPump_ >= kPumpIntervalMs) {
        lastPump_ = now;
        QApplication::processEvents();
    }
}

void StartupSplash::runLoading() {
    if (ran_) {
        return;
    }
    ran_ = true;
    timer_.stop();
    try {
        caption_->setText(tr("Loading..."));
        // The main window and the options are ready before the splash; the bar still shows
        // their steps.
        setProgress(40);
        setProgress(70);
        setProgress(80);
        mainWindow().loadStartPalette();
        setProgress(90);
        setProgress(100);
        progressBar_->setMaximum(kNamedColorCount);
        NamesPanel* names = mainWindow().namesPanel();
        for (int i = 1; i <= kNamedColorCount; ++i) {
            letEventsRun(false);
            const std::string_view name = namedColorName(i);
            caption_->setText(tr("Loading... Color...") +
                              QString::fromLatin1(name.data(), qsizetype(name.size())) +
                              QStringLiteral(".."));
            setProgress(i);
            names->appendName(i);
        }
        letEventsRun(true);
    } catch (const std::exception& e) {
        QGuiApplication::restoreOverrideCursor();
        reportError(1, QString::fromLocal8Bit(e.what()));
        // The main window is still worth having.
        mainWindow().show();
        emit finished();
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    hide();
    mainWindow().show();
    emit finished();
}

void StartupSplash::reportError(int number, const QString& description) {
    hide();
    showMessage(nullptr, QMessageBox::NoIcon,
                tr("Error: %1\n%2%3\n").arg(number).arg(description, QString(16, QChar(' '))));
}

void StartupSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
    // Once the splash is on the screen, the main window is made behind it.
    if (mainWindow_ == nullptr) {
        QTimer::singleShot(0, this, [this] { mainWindow(); });
    }
}

void StartupSplash::mouseDoubleClickEvent(QMouseEvent*) {
    // The splash goes out of the way; loading goes on.
    hide();
}

void StartupSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The 1.5 s count from the moment the splash is seen.
    if (!ran_ && !timer_.isActive()) {
        timer_.start();
    }
    // The splash's vertical centre stands at two fifths of the screen height.
    if (QScreen* s = screen()) {
        const QRect avail = s->geometry();
        move(avail.x() + (avail.width() - width()) / 2,
             avail.y() + static_cast<int>(avail.height() / 2.5 - height() / 2.0));
    }
}

} // namespace sv
