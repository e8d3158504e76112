#include "widgets/ToolWindow.h"

#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"
#include "widgets/ToolPlacement.h"
#include "widgets/WindowAccessible.h"
#include "widgets/WindowUtil.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace sv {

namespace {

constexpr int kCloseSize = 20;

} // namespace

ToolWindow::ToolWindow(QWidget* mainWindow, const ToolWindowSpec& spec)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      caption_(new ShadowLabel(this, spec.title)) {
    installWindowAccessibility();
    setWindowTitle(spec.title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixelsFromTwips(spec.sizeTwips));
    caption_->move(pixelsFromTwips(spec.titleTwips.x(), spec.titleTwips.y()));

    closeButton_ = new ImageButton(this);
    closeButton_->setIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false)));
    closeButton_->setIconSize(QSize(16, 16));
    closeButton_->setGeometry(width() - kCloseSize - 6, 5, kCloseSize, kCloseSize);
    closeButton_->setToolTip(tr("  Close  "));
    connect(closeButton_, &ImageButton::clicked, this, &QWidget::close);

    setStaysOnTop(this, true);
}

void ToolWindow::placeAgainst(const QWidget& mainWindow, double insetTwips) {
    const TwipPoint at =
        toolWindowPlacement(twipGeometry(mainWindow), twipGeometry(*this).width, insetTwips);
    move(pixelsFromTwips(at.left, at.top));
}

void ToolWindow::resizeEvent(QResizeEvent* event) {
    closeButton_->move(width() - kCloseSize - 6, 5);
    QWidget::resizeEvent(event);
}

void ToolWindow::escapePressed() {
    close();
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        escapePressed();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToolWindow::mousePressEvent(QMouseEvent* event) {
    // The window has no title bar: its body is the handle.
    startWindowDrag(this);
    event->accept();
}

TwipRect twipGeometry(const QWidget& widget) {
    const QRect g = widget.frameGeometry();
    return {double(g.x()) * kTwipsPerPixel, double(g.y()) * kTwipsPerPixel,
            double(g.width()) * kTwipsPerPixel, double(g.height()) * kTwipsPerPixel};
}

} // namespace sv
