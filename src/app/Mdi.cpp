#include "app/Mdi.h"

#include "app/AppInfo.h"
#include "app/Options.h"
#include "app/ScreenReader.h"
#include "color/Numeric.h"
#include "controls/Slider.h"
#include "dialogs/ColorDialog.h"
#include "palette/FileDialogs.h"
#include "widgets/ActivePanel.h"
#include "widgets/Artwork.h"
#include "widgets/ColorPicture.h"
#include "widgets/SMButton.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QUrl>

namespace sv {

namespace {

// Design geometry is in twips; Qt places widgets in logical pixels.
QRect tw(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

constexpr int kWindowWidthTw = 11340;
constexpr int kWindowHeightTw = 6990;

QLineEdit* makeCodeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

} // namespace

Mdi::Mdi(ScreenReader& screen, Options& options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), screen_(screen), options_(options) {
    setObjectName(QStringLiteral("mdi"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(twips(kWindowWidthTw), twips(kWindowHeightTw));
    setMouseTracking(true);
    QFont f = font();
    f.setPointSizeF(8.5);
    setFont(f);

    buildTitleBar();
    buildColorArea();
    buildNotationFields();
    buildComponentFields();
    buildCommandButtons();
    buildEditor();
    buildPalette();
    buildNamesPanel();
    connectCommands();

    // Start as the white colour; the splash shows the first palette colour with mostraCodigos.
    txtR_->setText(QStringLiteral("255"));
    txtG_->setText(QStringLiteral("255"));
    txtB_->setText(QStringLiteral("255"));

    setToolTips();

    // The window previews keys before its controls.
    qApp->installEventFilter(this);

    tmrMouse_.setInterval(150);
    connect(&tmrMouse_, &QTimer::timeout, this, &Mdi::mouseReadoutTick);
    tmrMouse_.start();
    connect(&tmrPick_, &QTimer::timeout, this, &Mdi::samplingTick);

    // The window starts on top of all others, as if the on-top image had been clicked.
    toggleOnTop();
}

Mdi::~Mdi() {
    qApp->removeEventFilter(this);
    if (isSampling()) {
        picRefer_->releaseMouse();
    }
}

void Mdi::buildTitleBar() {
    const QString title = QString::fromStdString(mainTitleText());
    lblCaption_ = ShadowLabel(this, QStringLiteral("lblCaption"), title);
    QFont bold = font();
    bold.setBold(true);
    lblCaption_.front->setFont(bold);
    lblCaption_.back->setFont(bold);
    lblCaption_.setText(title);
    lblCaption_.move({twips(120), twips(120)});

    const int top = twips(90);
    const int closeLeft = width() - 24;
    const int minLeft = width() - 46;
    const std::array<QPoint, 4> places{QPoint(closeLeft, top), QPoint(closeLeft, top),
                                       QPoint(minLeft, top), QPoint(minLeft, top)};
    const std::array<Glyph, 4> glyphs{Glyph::Close, Glyph::Close, Glyph::Minimize, Glyph::Minimize};
    for (int i = 0; i < 4; ++i) {
        auto* pic = new ColorPicture(QStringLiteral("picTopFM%1").arg(i + 1), this);
        pic->setGeometry(QRect(places[i], QSize(18, 18)));
        pic->setAutoFillBackground(false);
        pic->setAttribute(Qt::WA_TranslucentBackground);
        pic->setBackColor(rgb(0xD9, 0xE1, 0xEA));
        pic->setPicture(glyphImage(glyphs[i], i % 2 == 1));
        pic->setCursor(appCursor(AppCursor::Hand101));
        pic->setVisible(i % 2 == 0);
        picTopFM_[i] = pic;
    }
    // The lit image shows while the pointer is over a title-bar button.
    for (int normal : {0, 2}) {
        connect(picTopFM_[normal], &ColorPicture::moved, this, [this, normal] {
            picTopFM_[normal + 1]->show();
            picTopFM_[normal]->hide();
        });
    }
    connect(picTopFM_[1], &ColorPicture::released, this, [this](Qt::MouseButton, QPoint p) {
        if (picTopFM_[1]->rect().contains(p)) {
            close();
        }
    });
    connect(picTopFM_[3], &ColorPicture::released, this, [this](Qt::MouseButton, QPoint p) {
        if (picTopFM_[3]->rect().contains(p)) {
            showMinimized();
        }
    });

    for (int i = 0; i < 2; ++i) {
        auto* pic = new ColorPicture(QStringLiteral("imgFix%1").arg(i + 1), this);
        pic->setGeometry(width() - 68, top, 18, 18);
        pic->setBackColor(rgb(0xD9, 0xE1, 0xEA));
        pic->setPicture(glyphImage(i == 0 ? Glyph::PinOff : Glyph::PinOn, false));
        pic->setCursor(appCursor(AppCursor::Hand101));
        pic->setVisible(i == 0);
        connect(pic, &ColorPicture::pressed, this, &Mdi::toggleOnTop);
        imgFix_[i] = pic;
    }

    imgURL_ = new ColorPicture(QStringLiteral("imgURL"), this);
    imgURL_->setGeometry(width() - 90, top, 18, 18);
    imgURL_->setBackColor(rgb(0xD9, 0xE1, 0xEA));
    imgURL_->setPicture(glyphImage(Glyph::Link, false));
    imgURL_->setCursor(appCursor(AppCursor::Hand101));
    connect(imgURL_, &ColorPicture::pressed, this, [] {
        // Any failure to open the browser is ignored.
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
    });

    lblX_ = ShadowLabel(this, QStringLiteral("lblX"), QStringLiteral("0"));
    lblY_ = ShadowLabel(this, QStringLiteral("lblY"), QStringLiteral("0"));
    lblX_.move({twips(9870), twips(585)});
    lblY_.move({twips(9870) + lblX_.front->width(), twips(585)});
}

void Mdi::buildColorArea() {
    pnlContainer_ = new ActivePanel(QStringLiteral("pnlContainer"), this);
    pnlContainer_->setGeometry(tw(270, 705, 5220, 5220));

    picRefer_ = new ColorPicture(QStringLiteral("picRefer"), this);
    picRefer_->setGeometry(tw(5760, 645, 1560, 960));
    picRefer_->setBackColor(0x008080FF);
    // The release that ends a pick reaches picRefer, which holds the mouse grab.
    connect(picRefer_, &ColorPicture::released, this, [this] { eventoPicRefer(); });

    picStep_ = new ColorPicture(QStringLiteral("picStep"), this);
    picStep_->setGeometry(tw(5760, 1845, 1560, 510));
    picStep_->setBackColor(0x0080C0FF);
}

void Mdi::buildNotationFields() {
    struct Row {
        const char* field;
        const char* label;
        QLineEdit** slot;
    };
    // Row k belongs to copy button k + 1.
    const std::array<Row, 7> rows{{
        {"txtHEX_VB", "Hex code for VB", &txtHexVb_},
        {"txtHEX_LONG", "RGB as long for VB", &txtHexLong_},
        {"txtHEX_C", "Hex code for C++", &txtHexC_},
        {"txtHEX_DELPHI", "Hex code for Delphi", &txtHexDelphi_},
        {"txtHEX_JAVA", "Code for Java", &txtHexJava_},
        {"txtHEX_PHOTOSHOP", "Code for Photoshop", &txtHexPhotoshop_},
        {"txtHEX_HTML", "Hex code for HTML", &txtHexHtml_},
    }};
    const int left = 502;
    for (int k = 0; k < 7; ++k) {
        const int y = 58 + k * 36;
        ShadowLabel label(this, QStringLiteral("lblT_%1").arg(rows[k].field),
                          QString::fromLatin1(rows[k].label));
        label.move({left, y});
        QLineEdit* field = makeCodeField(this, rows[k].field);
        field->setGeometry(left, y + 15, 210, 20);
        *rows[k].slot = field;
        auto* copy = new SMButton(QStringLiteral("btnCopy%1").arg(k + 1), this);
        copy->setText(QStringLiteral("Copy"));
        copy->setGeometry(left + 214, y + 15, 36, 20);
        connect(copy, &SMButton::clicked, this, [this, k] { copyToClipboard(k + 1); });
        btnCopy_[k] = copy;
    }
    connect(txtHexVb_, &QLineEdit::textChanged, this, &Mdi::onVbTextChanged);
}

void Mdi::buildComponentFields() {
    struct Row {
        const char* field;
        const char* label;
        const char* style;
        QLineEdit** slot;
    };
    const std::array<Row, 3> rows{{
        {"txtR", "Red", "background: #FF0000; color: white;", &txtR_},
        {"txtG", "Green", "background: #00C000; color: white;", &txtG_},
        {"txtB", "Blue", "background: #0000C0; color: white;", &txtB_},
    }};
    for (int k = 0; k < 3; ++k) {
        const int y = 318 + k * 24;
        ShadowLabel label(this, QStringLiteral("lblT_%1").arg(rows[k].field),
                          QString::fromLatin1(rows[k].label));
        label.move({502, y + 3});
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(rows[k].field));
        field->setGeometry(544, y, 36, 20);
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setStyleSheet(QString::fromLatin1(rows[k].style));
        // Pasted text obeys the same rule as typing: digits only.
        field->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
        field->installEventFilter(this);
        *rows[k].slot = field;
    }
    for (QLineEdit* field : {txtR_, txtG_, txtB_}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { onComponentChanged(field); });
    }
}

void Mdi::buildCommandButtons() {
    struct Cmd {
        const char* name;
        const char* text;
    };
    const std::array<Cmd, 12> cmds{{
        {"btnGradiente", "Gradient"},
        {"btnMaxGrid", "Grid"},
        {"btnZoom", "Zoom"},
        {"btnIMG", "Bitmap"},
        {"btnEdit", "Names"},
        {"btnDialogoColor", "System"},
        {"btnOptions", "Options"},
        {"btnAbout", "About"},
        {"btnDlgNOS1", "New"},
        {"btnDlgNOS2", "Open"},
        {"btnDlgNOS3", "Save"},
        {"btnExit", "Exit"},
    }};
    auto* busca = new SMButton(QStringLiteral("btnBusca"), this);
    busca->setText(QStringLiteral("Color from Screen"));
    busca->setGeometry(384, 165, 104, 24);
    connect(busca, &SMButton::clicked, this, &Mdi::startSampling);
    for (int i = 0; i < static_cast<int>(cmds.size()); ++i) {
        auto* b = new SMButton(QString::fromLatin1(cmds[i].name), this);
        b->setText(QString::fromLatin1(cmds[i].text));
        b->setGeometry(384 + (i % 2) * 54, 195 + (i / 2) * 28, 50, 24);
        if (i >= 8 && i <= 10) {
            btnDlgNOS_[i - 8] = b;
        }
    }
    connect(findChild<SMButton*>(QStringLiteral("btnExit")), &SMButton::clicked, this, &Mdi::close);
}

void Mdi::setToolTips() {
    auto tip = [this](const char* name, const char* text) {
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(name))) {
            w->setToolTip(QString::fromLatin1(text));
        }
    };
    tip("picTopFM2", "  Close Spectrivue  ");
    tip("picTopFM4", "  Minimize Spectrivue  ");
    tip("txtR", "  Up/Down  ");
    tip("txtG", "  Up/Down  ");
    tip("txtB", "  Up/Down  ");
    tip("btnBusca", "  Color from Screen  - { F9 }  ");
    tip("btnGradiente", "  Gradient Creator  ");
    tip("btnMaxGrid", "  Big Color Grid  ");
    tip("btnZoom", "  Capture Magnification  ");
    tip("btnIMG", "  Extract Bitmap Color  ");
    tip("btnEdit", "  Color Names  ");
    tip("btnDialogoColor", "  System Color Picker  ");
    tip("btnOptions", "  Options...      ");
    tip("btnAbout", "  About Spectrivue  ");
    tip("btnExit", "  Exit  ");
    tip("btnDlgNOS1", "  New Palette  ");
    tip("btnDlgNOS2", "  Open Palette  ");
    tip("btnDlgNOS3", "  Save Palette  ");
    for (int i = 1; i <= 7; ++i) {
        btnCopy(i)->setToolTip(QStringLiteral("  Copy to Clipboard  "));
    }
    tip("btnCloseEdit", "  Close  ");
    tip("imgFix1", "  On Top  ");
    tip("imgFix2", "  On Top  ");
    tip("picStep", "  Last color  ");
    tip("picRefer", "  Actual color  ");
}

// ---- notations -------------------------------------------------------------------------

void Mdi::mostraCodigos(ColorValue c) {
    const Notations n = makeNotations(c);
    previousVbText_ = txtHexVb_->text();
    txtHexVb_->setText(QString::fromStdString(n.vb));
    txtHexHtml_->setText(QString::fromStdString(n.html));
    txtHexLong_->setText(QString::fromStdString(n.longText));
    // Writing the components runs their change handler, which makes the colour current. It
    // runs once for the three writes: the mixes of new and old components it would pass
    // through on the way are never seen.
    writingComponents_ = true;
    componentsPending_ = false;
    txtR_->setText(QString::number(n.red));
    txtG_->setText(QString::number(n.green));
    txtB_->setText(QString::number(n.blue));
    writingComponents_ = false;
    if (componentsPending_) {
        txtBChanged();
    }
    txtHexC_->setText(QString::fromStdString(n.cpp));
    txtHexDelphi_->setText(QString::fromStdString(n.delphi));
    txtHexJava_->setText(QString::fromStdString(n.java));
    txtHexPhotoshop_->setText(QString::fromStdString(n.photoshop));
}

void Mdi::onVbTextChanged() {
    // "Last color" takes the colour shown before; the very first time, the current one.
    const auto previous = parseVbHex(previousVbText_.toStdString());
    picStep_->setBackColor(previous ? *previous : picRefer_->backColor());
}

ColorValue Mdi::currentColor() const {
    return picRefer_->backColor();
}
ColorValue Mdi::lastColor() const {
    return picStep_->backColor();
}
void Mdi::setCurrentColor(ColorValue c) {
    picRefer_->setBackColor(c);
}

// ---- component fields ------------------------------------------------------------------

ColorValue Mdi::colorFromFields() const {
    auto component = [](const QLineEdit* field) {
        // Something that is not a number counts as 0; above 255 as 255.
        const auto v = textToInt16(field->text().toStdString());
        return v ? static_cast<int>(*v) : 0;
    };
    return rgb(component(txtR_), component(txtG_), component(txtB_));
}

void Mdi::onComponentChanged(QLineEdit* field) {
    if (field->text().isEmpty()) {
        field->setText(QStringLiteral("0"));
        return; // that write ran this handler again
    }
    if (writingComponents_) {
        componentsPending_ = true;
        return;
    }
    if (field == txtB_ || !txtB_->text().isEmpty()) {
        txtBChanged();
    }
}

void Mdi::txtBChanged() {
    picRefer_->setBackColor(colorFromFields());
    // While a pick runs, the strips follow every colour only under option 2.
    if (!isSampling() || options_.createGradient() == 2) {
        pintaGradiente();
    }
    const std::array<QLineEdit*, 3> fields{txtR_, txtG_, txtB_};
    for (int k = 0; k < 3; ++k) {
        // A value the slider cannot show (300, or no number) leaves it where it is.
        if (const auto v = textToInt16(fields[k]->text().toStdString())) {
            sliders_[k]->setValue(*v);
        }
    }
    emit componentsChanged();
}

bool Mdi::componentKeyPress(QLineEdit* field, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field->text().isEmpty()) {
            field->setText(QStringLiteral("0"));
        }
        picRefer_->setBackColor(colorFromFields());
        mostraCodigos(picRefer_->backColor());
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Down:
    case Qt::Key_PageDown: {
        const auto v = textToInt16(field->text().toStdString());
        if (!v) {
            return true; // not a number: stepping ignores it
        }
        const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        const int next = up ? (*v < 255 ? *v + 1 : 255) : (*v >= 1 ? *v - 1 : 0);
        field->setText(QString::number(next));
        return true;
    }
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
        event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
        event->key() == Qt::Key_Home || event->key() == Qt::Key_End ||
        event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
        event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut) || event->matches(QKeySequence::SelectAll) ||
        event->matches(QKeySequence::Undo)) {
        return false;
    }
    // Only digits are typed; every other character is discarded.
    return !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128);
}

// ---- copy ------------------------------------------------------------------------------

QLineEdit* Mdi::copyField(int index) const {
    switch (index) {
    case 1:
        return txtHexVb_;
    case 2:
        return txtHexLong_;
    case 3:
        return txtHexC_;
    case 4:
        return txtHexDelphi_;
    case 5:
        return txtHexJava_;
    case 6:
        return txtHexPhotoshop_;
    case 7:
        return txtHexHtml_;
    default:
        return nullptr;
    }
}

void Mdi::copyToClipboard(int index) {
    QLineEdit* field = copyField(index);
    if (field == nullptr) {
        return;
    }
    field->setSelection(0, static_cast<int>(field->text().size()));
    field->setFocus(Qt::OtherFocusReason);
    // setText replaces every format the clipboard held before.
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(field->text());
    field->setFocus(Qt::OtherFocusReason);
}

SMButton* Mdi::btnCopy(int index) const {
    return index >= 1 && index <= 7 ? btnCopy_[index - 1] : nullptr;
}

SMButton* Mdi::btnDlgNOS(int index) const {
    return index >= 1 && index <= 3 ? btnDlgNOS_[index - 1] : nullptr;
}

// ---- title bar, keys, on top -----------------------------------------------------------

void Mdi::toggleOnTop() {
    const bool wasOnTop = !imgFix_[1]->isHidden();
    showOnTopImage(!wasOnTop);
    fixaNoTopo(this, !wasOnTop);
}

void Mdi::showOnTopImage(bool onTop) {
    // Exactly one of the two images shows, both in the same place.
    imgFix_[0]->move(imgFix_[1]->pos());
    imgFix_[0]->setVisible(!onTop);
    imgFix_[1]->setVisible(onTop);
}

bool Mdi::isOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool Mdi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F9) {
        if (isSampling()) {
            eventoPicRefer();
        } else {
            startSampling();
        }
        return true;
    }
    if (key->key() == Qt::Key_F11) {
        showMinimized();
        return true;
    }
    if (watched == txtR_ || watched == txtG_ || watched == txtB_) {
        return componentKeyPress(static_cast<QLineEdit*>(watched), key);
    }
    return QWidget::eventFilter(watched, event);
}

void Mdi::mousePressEvent(QMouseEvent* event) {
    // A press on the window's body (not on a control) moves the window.
    if (event->button() == Qt::LeftButton) {
        startWindowDrag(this);
    }
}

void Mdi::mouseMoveEvent(QMouseEvent*) {
    if (!picTopFM_[1]->isHidden() || !picTopFM_[3]->isHidden()) {
        picTopFM_[0]->show();
        picTopFM_[2]->show();
        picTopFM_[1]->hide();
        picTopFM_[3]->hide();
    }
}

void Mdi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient bar(0, 0, 0, 34);
    bar.setColorAt(0, QColor(0xE4, 0xEA, 0xF2));
    bar.setColorAt(1, QColor(0xC6, 0xD2, 0xE0));
    p.fillRect(rect(), QColor(0xD9, 0xE1, 0xEA));
    p.fillRect(QRect(0, 0, width(), 34), bar);
    p.setPen(QColor(0x7A, 0x8A, 0x9E));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Mdi::closeEvent(QCloseEvent* event) {
    if (isSampling()) {
        eventoPicRefer();
    }
    event->accept();
    // The tool windows are children of this window and end with it.
    qApp->quit();
}

} // namespace sv
