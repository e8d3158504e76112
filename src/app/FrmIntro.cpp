#include "app/FrmIntro.h"

#include "app/AppInfo.h"
#include "app/Mdi.h"
#include "app/Options.h"
#include "app/SplashPicture.h"
#include "controls/XP_ProgressBar.h"
#include "palette/NamedColorLists.h"
#include "palette/NamedColors.h"
#include "palette/SwatchGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <exception>

namespace sv {

namespace {

constexpr int kSplashDelayMs = 1500;
constexpr int kNameCount = 2031;
// Pending events run at least this often while the names load: the bar and the caption
// change for every name, and the splash stays responsive.
constexpr qint64 kPumpIntervalMs = 15;

} // namespace

FrmIntro::FrmIntro(ScreenReader& screen, Options& options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::SplashScreen), screen_(screen),
      options_(options), picture_(splashPicture()) {
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(picture_.size());

    lbl_ = new QLabel(QStringLiteral("Loading... files..."), this);
    lbl_->setObjectName(QStringLiteral("lbl"));
    lbl_->setGeometry(10, 356, 530, 18);
    lblVersao_ = new QLabel(QStringLiteral("Version: 1.0"), this);
    lblVersao_->setObjectName(QStringLiteral("lblVersao"));
    lblVersao_->setGeometry(44, 170, 300, 18);
    label2_ = new QLabel(QStringLiteral("Free software under the MIT licence. Named colour values "
                                        "from public colour-name lists."),
                         this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(10, 300, 530, 36);
    label2_->setWordWrap(true);
    for (QLabel* l : {lbl_, lblVersao_, label2_}) {
        l->setStyleSheet(QStringLiteral("color: #DDE6F2; background: transparent;"));
    }

    pb_ = new XP_ProgressBar(QStringLiteral("pb"), this);
    pb_->setGeometry(0, 380, 549, 14);
    pb_->setScrolling(5);
    pb_->setColor(0x00C000);

    // Phase 1: the window's load.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setProgress(10);
    lblVersao_->setText(QStringLiteral("Version: %1").arg(QString::fromStdString(versionText())));
    lbl_->setText(QStringLiteral("Loading... files..."));
    tmr_.setSingleShot(true);
    tmr_.setInterval(kSplashDelayMs);
    connect(&tmr_, &QTimer::timeout, this, &FrmIntro::runLoading);
    tmr_.start();
}

FrmIntro::~FrmIntro() {
    if (!ran_) {
        QGuiApplication::restoreOverrideCursor();
    }
    delete mdi_;
}

Mdi* FrmIntro::takeMainWindow() {
    Mdi* m = mdi_;
    mdi_ = nullptr;
    return m;
}

void FrmIntro::setProgress(int value) {
    pb_->setValue(value);
    emit progress(value, lbl_->text());
}

void FrmIntro::letEventsRun(bool force) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (force || now - lastPump_ >= kPumpIntervalMs) {
        lastPump_ = now;
        QApplication::processEvents();
    }
}

void FrmIntro::runLoading() {
    if (ran_) {
        return;
    }
    ran_ = true;
    tmr_.stop();
    try {
        lbl_->setText(QStringLiteral("Loading..."));
        setProgress(40);
        mdi_ = new Mdi(screen_, options_);
        setProgress(70);
        options_.load();
        // The grid of 256 swatches is built with the main window.
        setProgress(80);
        mdi_->loadStartPalette();
        mdi_->setCurrentColor(mdi_->swatchGrid()->color(1));
        mdi_->mostraCodigos(mdi_->currentColor());
        setProgress(90);
        // The names are compiled into the program: carregaNomeCor has nothing to read.
        setProgress(100);
        pb_->setMax(kNameCount);
        QComboBox* cmb1 = mdi_->namesList(1);
        QComboBox* cmb2 = mdi_->namesList(2);
        for (int i = 1; i <= kNameCount; ++i) {
            letEventsRun(false);
            const QString name =
                QString::fromLatin1(rNomeCor(i).data(), static_cast<qsizetype>(rNomeCor(i).size()));
            lbl_->setText(QStringLiteral("Loading... Color...") + name + QStringLiteral(".."));
            setProgress(i);
            NamedColorLists::appendName(cmb1, cmb2, i);
        }
        letEventsRun(true);
        QGuiApplication::restoreOverrideCursor();
        hide();
        mdi_->show();
        emit finished(true);
    } catch (const std::exception& e) {
        QGuiApplication::restoreOverrideCursor();
        reportError(1, QString::fromLocal8Bit(e.what()));
        // A main window that loaded is still worth having; without one the program ends.
        if (mdi_ != nullptr) {
            mdi_->show();
            emit finished(true);
        } else {
            emit finished(false);
        }
    }
}

void FrmIntro::reportError(int number, const QString& description) {
    hide();
    QMessageBox box(
        QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
        QStringLiteral("Error: %1\n%2%3\n").arg(number).arg(description, QString(16, QChar(' '))),
        QMessageBox::Ok);
    box.setObjectName(QStringLiteral("startupError"));
    box.exec();
}

void FrmIntro::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void FrmIntro::mouseDoubleClickEvent(QMouseEvent*) {
    // The splash goes out of the way; loading goes on.
    hide();
}

void FrmIntro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The splash's vertical centre stands at two fifths of the screen height.
    if (QScreen* s = screen()) {
        const QRect avail = s->geometry();
        move(avail.x() + (avail.width() - width()) / 2,
             avail.y() + static_cast<int>(avail.height() / 2.5 - height() / 2.0));
    }
}

} // namespace sv
