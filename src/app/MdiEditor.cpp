// The colour editor of the main window: component sliders, gradient strips and the
// colour-names panel.

#include "app/Mdi.h"

#include "app/Options.h"
#include "color/Numeric.h"
#include "controls/Slider.h"
#include "gradient/GradientMath.h"
#include "gradient/GradientPainter.h"
#include "gradient/GradientStrip.h"
#include "palette/NamedColorLists.h"
#include "palette/NamedStrip.h"
#include "widgets/ActivePanel.h"
#include "widgets/Artwork.h"
#include "widgets/ColorPicture.h"
#include "widgets/SMButton.h"

#include <QCheckBox>
#include <QComboBox>

namespace sv {

namespace {

QRect tw(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace

void Mdi::buildEditor() {
    const std::array<QLineEdit*, 3> fields{txtR_, txtG_, txtB_};
    const std::array<ColorValue, 3> fills{0x0000FF, 0x00C000, 0xFF0000};
    const std::array<const char*, 3> names{"HSR", "HSG", "HSB"};
    for (int k = 0; k < 3; ++k) {
        auto* slider = new Slider(this);
        slider->setObjectName(QString::fromLatin1(names[k]));
        slider->setGeometry(586, fields[k]->y() + 2, 135, 16);
        slider->setBackColor(0xE0E0E0);
        slider->setSegmented(false);
        slider->setGradientStartColor(fills[k]);
        slider->setGradientMidColor(fills[k]);
        slider->setGradientEndColor(k == 0 ? 255 : fills[k]);
        slider->setForeColor(fills[k]);
        slider->setUseGradient(true);
        // Press and release write the slider's value into its field; the field's change
        // handler does the rest.
        slider->setHostField(fields[k]);
        sliders_[k] = slider;
    }

    picGrad1_ = new GradientStrip(QStringLiteral("picGrad1"), this);
    picGrad1_->setGeometry(tw(780, 6255, 4065, 450));
    picGrad1_->setBackColor(0xE0E0E0);
    picGrad2_ = new GradientStrip(QStringLiteral("picGrad2"), this);
    picGrad2_->setGeometry(tw(4830, 6255, 5490, 450));
    picGrad2_->setBackColor(0xC0C0C0);
    for (QWidget* w : {static_cast<QWidget*>(picGrad1_), static_cast<QWidget*>(picGrad2_),
                       static_cast<QWidget*>(picStep_)}) {
        w->setCursor(appCursor(AppCursor::Hand101));
    }

    // The first strip only shows the colour in "Actual color"; the second makes it current.
    connect(picGrad1_, &GradientStrip::pressed, this, [this](Qt::MouseButton, QPoint pos) {
        if (const auto c = mostraCor(picGrad1_->colorAt(pos))) {
            picRefer_->setBackColor(*c);
        }
    });
    connect(picGrad2_, &GradientStrip::pressed, this, [this](Qt::MouseButton, QPoint pos) {
        if (const auto c = mostraCor(picGrad2_->colorAt(pos))) {
            picRefer_->setBackColor(*c);
        }
        mostraCodigos(picRefer_->backColor());
    });
    connect(picStep_, &ColorPicture::pressed, this, [this] {
        picRefer_->setBackColor(picStep_->backColor());
        mostraCodigos(picStep_->backColor());
    });

    connect(this, &Mdi::samplingStopped, this, [this] {
        if (options_.createGradient() == 1) {
            pintaGradiente();
        }
    });
}

void Mdi::pintaGradiente() {
    sv::pintaGradiente(*picGrad1_, *picGrad2_, txtR_->text().toStdString(),
                       txtG_->text().toStdString(), txtB_->text().toStdString(),
                       picStep_->backColor());
}

void Mdi::buildNamesPanel() {
    pnlEdit_ = new ActivePanel(QStringLiteral("pnlEdit"), this);
    pnlEdit_->setMovable(true);
    pnlEdit_->hide();

    cmb1_ = new QComboBox(pnlEdit_);
    cmb1_->setObjectName(QStringLiteral("cmb1"));
    cmb2_ = new QComboBox(pnlEdit_);
    cmb2_->setObjectName(QStringLiteral("cmb2"));
    picEdit_ = new NamedStrip(pnlEdit_);
    picEdit_->setObjectName(QStringLiteral("picEdit"));
    chkDrag_ = new QCheckBox(QStringLiteral("Enable drag and drop"), pnlEdit_);
    chkDrag_->setObjectName(QStringLiteral("chkDrag"));
    chkDrag_->setToolTip(QStringLiteral("Drag the child color and drop in Grid main."));
    auto* close = new SMButton(QStringLiteral("btnCloseEdit"), pnlEdit_);
    close->setIcon(QIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false))));
    close->setIconSize(QSize(14, 14));

    const int margin = 6;
    const QSize strip = picEdit_->sizeHint();
    const int width = strip.width() + 2 * margin;
    cmb1_->setGeometry(margin, margin, (width - 3 * margin - 20) / 2, 22);
    cmb2_->setGeometry(cmb1_->geometry().right() + margin, margin, cmb1_->width(), 22);
    close->setGeometry(width - margin - 20, margin + 1, 20, 20);
    picEdit_->setGeometry(margin, margin + 28, strip.width(), strip.height());
    chkDrag_->setGeometry(margin, picEdit_->geometry().bottom() + 4, width - 2 * margin, 20);
    pnlEdit_->resize(width, chkDrag_->geometry().bottom() + margin);

    namedLists_ = new NamedColorLists(cmb1_, cmb2_, picEdit_, this);
    connect(picEdit_, &NamedStrip::cellClicked, this, [this](ColorValue c) {
        picRefer_->setBackColor(c);
        mostraCodigos(c);
    });
    connect(chkDrag_, &QCheckBox::toggled, picEdit_, &NamedStrip::setDragEnabled);
    connect(close, &SMButton::clicked, this, &Mdi::closeNamesPanel);
    connect(findChild<SMButton*>(QStringLiteral("btnEdit")), &SMButton::clicked, this,
            &Mdi::openNamesPanel);
}

void Mdi::openNamesPanel() {
    namedLists_->openPanel();
    auto* busca = findChild<QWidget*>(QStringLiteral("btnBusca"));
    // Left of "Color from Screen" less 500 twips, top of the palette grid plus 100 twips.
    pnlEdit_->move(busca->x() - twips(500), pnlContainer_->y() + twips(100));
    pnlEdit_->show();
    pnlEdit_->raise();
}

void Mdi::closeNamesPanel() {
    pnlEdit_->hide();
}

QComboBox* Mdi::namesList(int index) const {
    return index == 1 ? cmb1_ : (index == 2 ? cmb2_ : nullptr);
}

} // namespace sv
