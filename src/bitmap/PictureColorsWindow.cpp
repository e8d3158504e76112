#include "bitmap/PictureColorsWindow.h"

#include "AppInfo.h"
#include "bitmap/ColorPage.h"
#include "bitmap/ColorTable.h"
#include "bitmap/PictureFile.h"
#include "controls/ProgressBar.h"
#include "files/ProgramFolders.h"
#include "files/QtFileDialogs.h"
#include "files/SafeFile.h"
#include "files/SafeFileText.h"
#include "widgets/CaptionedLine.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

namespace sv {

namespace {

// Pixels examined, and rows written, between two turns of the event loop.
constexpr std::size_t kScanStep = 16384;
constexpr std::size_t kRowStep = 2048;
constexpr int kCountsMargin = 10;

const char* const kOpenFilter = QT_TRANSLATE_NOOP(
    "sv::PictureColorsWindow",
    "Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;"
    "Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;"
    "Icons (*.ico, *.cur) (*.ico *.cur);;"
    "JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;"
    "CompuServe Bitmap (*.gif) (*.gif);;"
    "TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;"
    "All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)");

// What the window shows before any picture is opened.
QImage startPicture() {
    QImage image(192, 144, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient hues(0, 0, 192, 0);
    const std::array<QColor, 7> stops{Qt::red,  Qt::yellow,  Qt::green, Qt::cyan,
                                      Qt::blue, Qt::magenta, Qt::red};
    for (std::size_t i = 0; i < stops.size(); ++i) {
        hues.setColorAt(double(i) / double(stops.size() - 1), stops[i]);
    }
    p.fillRect(image.rect(), hues);
    QLinearGradient shade(0, 0, 0, 144);
    shade.setColorAt(0, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 200));
    p.fillRect(image.rect(), shade);
    return image;
}

} // namespace

PictureColorsWindow::PictureColorsWindow(QWidget* mainWindow)
    : ToolWindow(mainWindow, {tr("[ Extract Bitmap Color ]"), QSize(3900, 3900), QPoint(120, 90)}) {
    pictureView_ = new QLabel(this);
    pictureView_->setAccessibleName(tr("Picture"));
    pictureView_->lower();
    pictureView_->move(34, 30);
    setPicture(startPicture());

    const QStringList texts{tr("Open"), tr("Paste"), tr("Table"), tr("Page")};
    const QStringList tips{tr("  Open Windows Bitmap  "), tr("  Paste Bitmap from Clipboard  "),
                           tr("  Generate Page/Table  "), tr("  Open Page/Table Color  ")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new ImageButton(this);
        b->setText(texts[i]);
        b->setToolTip(tips[i]);
        b->setGeometry(10 + 60 * i, height() - 34, 56, 24);
        const auto command = static_cast<PictureCommand>(i);
        connect(b, &ImageButton::clicked, this, [this, command] { runCommand(command); });
        commandButtons_[std::size_t(i)] = b;
    }
    countsLine_ = new CaptionedLine(QString(), this);
    countsLine_->setGeometry(kCountsMargin, height() - 74, width() - 2 * kCountsMargin,
                             countsLine_->minimumHeight());
    countsLine_->hide();
    progressBar_ = new ProgressBar(ProgressBar::Look::Etched, this);
    progressBar_->setGeometry((width() - 194) / 2, height() - 54, 194, 12);
    progressBar_->setColor(QColor(0x40, 0x40, 0x40));
    progressBar_->setAccessibleName(tr("Colours compared"));
    progressBar_->hide();
    captionTexts_ = {tr("All codes = %1 - Effective codes = %2").toStdString(),
                     tr(" - first %1 of %2 pixels").toStdString()};

    ownDialogs_ = std::make_unique<QtFileDialogs>(this);
    dialogs_ = ownDialogs_.get();
    openUrl_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void PictureColorsWindow::reportFailure(const QString& text) {
    showMessage(this, QMessageBox::Critical, text);
}

PictureColorsWindow::~PictureColorsWindow() = default;

void PictureColorsWindow::setPicture(const QImage& picture) {
    picture_ = picture;
    // Only the part that fits the window is shown: a copy of the whole picture for the screen
    // would double what a large picture takes.
    const QSize shown =
        picture.size().boundedTo(size() - QSize(pictureView_->x(), pictureView_->y()));
    pictureView_->setPixmap(QPixmap::fromImage(picture.copy(QRect(QPoint(0, 0), shown))));
    pictureView_->resize(shown);
}

void PictureColorsWindow::runCommand(PictureCommand command) {
    countsLine_->setCaption(QString());
    switch (command) {
    case PictureCommand::Open:
        openPicture();
        break;
    case PictureCommand::Paste:
        pastePicture();
        break;
    case PictureCommand::Generate:
        generate();
        break;
    case PictureCommand::OpenPage:
        openPage();
        break;
    }
}

void PictureColorsWindow::openPicture() {
    FileDialogRequest request;
    request.title = tr("Open Bitmap File");
    request.filter = tr(kOpenFilter);
    // The program's folder the first time, then the folder used last.
    request.initialFolder = lastFolder_;
    const FileDialogResult chosen = dialogs_->getOpenFile(request);
    if (!chosen.chosen()) {
        return;
    }
    lastFolder_ = QFileInfo(chosen.path).absolutePath() + QLatin1Char('/');
    LoadedPicture loaded;
    {
        const WaitCursor wait;
        loaded = loadPicture(chosen.path);
    }
    if (loaded.image.isNull()) {
        reportFailure(loaded.error);
        return;
    }
    setPicture(loaded.image);
    if (!loaded.incomplete.isEmpty()) {
        reportFailure(loaded.incomplete);
    }
}

void PictureColorsWindow::pastePicture() {
    const LoadedPicture pasted = loadPicture(QGuiApplication::clipboard()->mimeData());
    if (pasted.tooLarge) {
        // The picture the user last gave is this one: no other is tabled in its place.
        setPicture(QImage());
        reportFailure(pasted.error);
        return;
    }
    if (!pasted.image.isNull()) {
        setPicture(pasted.image);
    }
}

void PictureColorsWindow::generate() {
    if (table_ != nullptr) {
        return;
    }
    commandButton(PictureCommand::OpenPage)->setEnabled(false);
    wait_.emplace();
    const std::size_t pixels =
        static_cast<std::size_t>(picture_.width()) * static_cast<std::size_t>(picture_.height());
    table_ = std::make_unique<ColorTable>(examinedBytes(picture_), pixels);
    progressBar_->setMaximum(static_cast<int>(table_->codeCount()));
    progressBar_->setValue(1);
    progressBar_->show();
    countsLine_->show();
    QTimer::singleShot(0, this, &PictureColorsWindow::scanStep);
}

void PictureColorsWindow::scanStep() {
    const bool done = table_->scan(kScanStep);
    progressBar_->setValue(static_cast<int>(table_->examined()));
    showCounts(QString::fromStdString(table_->caption(captionTexts_)));
    if (!done) {
        QTimer::singleShot(0, this, &PictureColorsWindow::scanStep);
        return;
    }
    if (!startPage()) {
        return;
    }
    QTimer::singleShot(0, this, &PictureColorsWindow::writeStep);
}

bool PictureColorsWindow::startPage() {
    pagePath_ = pageFolder_.isEmpty() ? ensureFolder(WorkFolder::ColorTables) : pageFolder_;
    const std::string folder = QFile::encodeName(pagePath_).toStdString();
    page_ = std::make_unique<NewFile>();
    // The folder's own failure is the reason to give ("Read-only file system"), not the
    // missing folder that follows from it.
    if (const int error = makeFolders(folder); error != 0) {
        fail(error);
        return false;
    }
    removeStaleTemporaryFiles(folder, kColorPageTemporaryPrefix);
    if (!page_->open(folder, kColorPageTemporaryPrefix)) {
        fail(page_->error());
        return false;
    }
    page_->write(colorPageHead({table_->codeCount(), table_->pixelCount()}));
    rowsWritten_ = 0;
    return true;
}

void PictureColorsWindow::writeStep() {
    const auto& colors = table_->colors();
    const std::size_t end = std::min(colors.size(), rowsWritten_ + kRowStep);
    std::string rows;
    rows.reserve((end - rowsWritten_) * 600);
    for (; rowsWritten_ < end; ++rowsWritten_) {
        appendColorRow(rows, colors[rowsWritten_]);
    }
    if (rowsWritten_ == colors.size()) {
        rows += colorPageTail();
    }
    // A failed write, a full disk included, is reported when the page is committed.
    page_->write(rows);
    if (rowsWritten_ < colors.size()) {
        QTimer::singleShot(0, this, &PictureColorsWindow::writeStep);
        return;
    }
    // The name comes from the clock at the end, and is claimed without replacing: a page
    // another copy of the program made in the same second moves this one on to "-2".
    const QDateTime now = QDateTime::currentDateTime();
    const std::string base =
        colorPageBaseName(now.date().day(), now.time().minute(), now.time().second());
    const std::string path = page_->commit(QFile::encodeName(pagePath_).toStdString(),
                                           [&](int n) { return colorPageName(base, n); });
    if (path.empty()) {
        fail(page_->error());
        return;
    }
    lastPage_ = QFile::decodeName(path.c_str());
    finish(true);
}

void PictureColorsWindow::fail(int error) {
    const QString message =
        tr("The page cannot be written in %1: %2").arg(pagePath_, systemErrorQText(error));
    // The hourglass goes before the message comes.
    wait_.reset();
    reportFailure(message);
    finish(false);
}

void PictureColorsWindow::finish(bool written) {
    if (!written) {
        countsLine_->setCaption(QString());
    }
    page_.reset();
    table_.reset();
    progressBar_->hide();
    commandButton(PictureCommand::OpenPage)->setEnabled(true);
    wait_.reset();
    emit generationFinished(written);
}

void PictureColorsWindow::showCounts(const QString& counts) {
    countsLine_->setCaption(counts);
    // The counts and the note on a truncated picture are read in full: the window widens for
    // them (and never narrows below its own size).
    const int needed = countsLine_->sizeHint().width() + 2 * kCountsMargin;
    if (needed > width()) {
        setFixedWidth(needed);
        countsLine_->resize(width() - 2 * kCountsMargin, countsLine_->height());
        progressBar_->move((width() - progressBar_->width()) / 2, progressBar_->y());
    }
}

void PictureColorsWindow::openPage() {
    if (!lastPage_.isEmpty()) {
        openUrl_(QUrl::fromLocalFile(lastPage_));
    }
    close();
}

} // namespace sv
