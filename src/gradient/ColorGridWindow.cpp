#include "gradient/ColorGridWindow.h"

#include "AppInfo.h"
#include "gradient/ColorGridView.h"
#include "palette/PaletteModel.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"
#include "widgets/ToolWindow.h"
#include "widgets/WindowUtil.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace sv {

namespace {

const QString kLf = QStringLiteral("\n");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

StyleSheetField::StyleSheetField(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only text: Tab moves on, as in any other, instead of writing a tab into the CSS.
    setTabChangesFocus(true);
}

QString StyleSheetField::styleText() const {
    return toPlainText().replace(kLf, kCrLf);
}

std::size_t StyleSheetField::styleLength() const {
    // Every block but the last ends in a line break, which the text writes as CR LF.
    const QTextDocument* doc = document();
    return static_cast<std::size_t>(doc->characterCount() - 1 + doc->blockCount() - 1);
}

void StyleSheetField::appendStyle(const std::string& text) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromStdString(text).replace(kCrLf, kLf));
}

QMimeData* StyleSheetField::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText().replace(kLf, kCrLf));
    return data;
}

ColorGridWindow::ColorGridWindow(QWidget* mainWindow, PaletteModel& palette)
    : QWidget(mainWindow, Qt::Window), palette_(palette) {
    setWindowTitle(tr("%1 [ Version: %2 ]")
                       .arg(QString::fromLatin1(kAppTitle), QString::fromStdString(versionText())));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(800, 600);

    view_ = new ColorGridView(this);

    cssPanel_ = new Panel(this);
    cssPanel_->setMovable(true);
    cssPanel_->hide();
    cssHandle_ = new QLabel(cssPanel_);
    cssHandle_->setPixmap(QPixmap::fromImage(glyphImage(Glyph::Move, false)));
    cssHandle_->setGeometry(6, 5, 18, 18);
    // The label shows the cursor; its presses, which it does not take, reach the panel, which
    // follows the pointer.
    cssHandle_->setCursor(appCursor(AppCursor::Crosshair));
    cssCloseButton_ = new ImageButton(cssPanel_);
    cssCloseButton_->setIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false)));
    cssCloseButton_->setIconSize(QSize(16, 16));
    cssCloseButton_->setToolTip(tr("  Close  "));
    cssField_ = new StyleSheetField(cssPanel_);
    cssField_->setAccessibleName(tr("Style sheet"));
    sizeCssPanel();
    connect(cssCloseButton_, &ImageButton::clicked, this, [this] {
        cssField_->clear();
        cssPanel_->hide();
    });

    menu_ = new QMenu(this);
    menu_->setTitle(tr("Style rule"));
    menu_->setAccessibleName(tr("Style rule"));
    for (const StyleRule rule : {StyleRule::Body, StyleRule::Link, StyleRule::Border,
                                 StyleRule::Column, StyleRule::TextClass}) {
        menu_->addAction(tr(styleRuleCaption(rule)), this, [this, rule] { appendStyle(rule); });
    }
    // How the palette looks to people with a colour-vision deficiency.
    auto* simulate = menu_->addMenu(tr("Simulate"));
    auto* visions = new QActionGroup(simulate);
    for (const Vision v : kVisions) {
        QAction* action =
            simulate->addAction(QCoreApplication::translate("sv::ColorAnalysisView", visionName(v)),
                                this, [this, v] { view_->setVision(v); });
        action->setCheckable(true);
        action->setChecked(v == Vision::Typical);
        visions->addAction(action);
    }
    menu_->insertSeparator(simulate->menuAction());
    connect(view_, &ColorGridView::menuRequested, this,
            [this](QPoint globalPos) { menu_->popup(globalPos); });
}

void ColorGridWindow::repaintFromPalette() {
    std::array<ColorValue, kGridCells> colors{};
    for (int cell = 1; cell <= kGridCells; ++cell) {
        colors[static_cast<std::size_t>(cell - 1)] = palette_.color(cell).value_or(kButtonFace);
    }
    view_->setColors(colors);
}

void ColorGridWindow::appendStyle(StyleRule rule) {
    cssField_->appendStyle(
        writer_.nextBlock(rule, view_->colorUnderPointer(), cssField_->styleLength()));
    cssPanel_->show();
    cssPanel_->raise();
}

void ColorGridWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ColorGridWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void ColorGridWindow::sizeCssPanel() {
    // Inside the window, as large as it may be up to its own size, never smaller than its
    // handle and close button side by side.
    const QPoint inset = pixelsFromTwips(100, 100);
    const QSize room = size() - QSize(2 * inset.x(), 2 * inset.y());
    const QSize smallest(cssHandle_->geometry().right() + 36, 30);
    cssPanel_->resize(QSize(380, 260).boundedTo(room).expandedTo(smallest));
    cssCloseButton_->setGeometry(cssPanel_->width() - 26, 4, 20, 20);
    cssField_->setGeometry(6, 28, cssPanel_->width() - 12, std::max(0, cssPanel_->height() - 34));
}

void ColorGridWindow::layOut() {
    const WaitCursor wait;
    view_->setGeometry(rect());
    cssField_->clear();
    cssPanel_->move(pixelsFromTwips(100, 100));
    sizeCssPanel();
    writer_.restartCounters();
    const TwipRect outer = twipGeometry(*this);
    view_->layOut(gridMetrics(static_cast<float>(outer.width), static_cast<float>(outer.height)));
    repaintFromPalette();
}

} // namespace sv
