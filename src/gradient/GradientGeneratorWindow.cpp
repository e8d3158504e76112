#include "gradient/GradientGeneratorWindow.h"

#include "AppInfo.h"
#include "color/Numeric.h"
#include "controls/Slider.h"
#include "gradient/PaletteGradient.h"
#include "palette/PaletteModel.h"
#include "widgets/CaptionedLine.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtColor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>

namespace sv {

namespace {

struct ChannelLook {
    const char* name;
    ColorValue fill;
};

constexpr std::array<ChannelLook, 3> kChannels{{
    {QT_TRANSLATE_NOOP("sv::GradientGeneratorWindow", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("sv::GradientGeneratorWindow", "Green"), 0x00C000},
    {QT_TRANSLATE_NOOP("sv::GradientGeneratorWindow", "Blue"), 0xFF0000},
}};

constexpr int kMinColumnWidth = 38;
constexpr int kColumnGap = 6;
constexpr int kMargin = 10;

std::size_t at(Channel c) {
    return static_cast<std::size_t>(c) - 1;
}

QString headingOf(GradientEnd end) {
    return end == GradientEnd::Start
               ? QCoreApplication::translate("sv::GradientGeneratorWindow", "Start Color")
               : QCoreApplication::translate("sv::GradientGeneratorWindow", "End Color");
}

// The width a field needs to show text whole, in the field's own font and style.
int fieldWidthFor(const QLineEdit& field, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = QRect(0, 0, 100, 20);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    // Qt keeps two pixels each side of the text inside the contents, and room for the cursor.
    constexpr int kInnerMargins = 2 * 2 + 2;
    return field.fontMetrics().horizontalAdvance(text) + kInnerMargins +
           (option.rect.width() - contents.width());
}

} // namespace

GradientGeneratorWindow::GradientGeneratorWindow(QWidget* mainWindow, PaletteModel& palette)
    : ToolWindow(mainWindow, {tr("[ Gradient Generator ]"), QSize(3900, 3900), QPoint(120, 90)}),
      palette_(palette) {
    // Every number a field takes is shown whole: the columns widen for the font, and the
    // window for the columns.
    const QLineEdit probe;
    fieldWidth_ = kMinColumnWidth - kColumnGap;
    for (const QString& widest : {QStringLiteral("-32768"), QStringLiteral("32767")}) {
        fieldWidth_ = std::max(fieldWidth_, fieldWidthFor(probe, widest));
    }
    const int groupWidth = 3 * fieldWidth_ + 2 * kColumnGap;
    setFixedWidth(std::max(width(), 2 * groupWidth + 2 * kMargin + kColumnGap));
    buildEnd(GradientEnd::Start, kMargin, headingOf(GradientEnd::Start), rgb(255, 0, 0));
    buildEnd(GradientEnd::End, width() - kMargin - groupWidth, headingOf(GradientEnd::End),
             rgb(0, 0, 255));

    target_ = new QComboBox(this);
    target_->addItem(tr("All Grid"));
    for (int row = 1; row <= kGradientSwatches / kGradientRowLength; ++row) {
        target_->addItem(tr("Row %1").arg(row));
    }
    target_->setGeometry(10, height() - 32, 120, 24);
    target_->setAccessibleName(tr("Gradient target"));

    createButton_ = new ImageButton(this);
    createButton_->setText(tr("Create"));
    createButton_->setToolTip(tr("  Create Gradient  "));
    createButton_->setGeometry(width() - 76, height() - 32, 66, 24);
    connect(createButton_, &ImageButton::clicked, this, &GradientGeneratorWindow::createGradient);
}

void GradientGeneratorWindow::buildEnd(GradientEnd end, int left, const QString& heading,
                                       ColorValue initial) {
    EndControls& controls = ends_[static_cast<std::size_t>(end)];
    auto* line = new CaptionedLine(heading, this);
    const int columnWidth = fieldWidth_ + kColumnGap;
    const int groupWidth = 3 * columnWidth - kColumnGap;
    line->setGeometry(left, 30, groupWidth, 16);

    const Components values = splitColor(initial);
    const std::array<int, 3> initialValues{values.red, values.green, values.blue};
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = left + static_cast<int>(i) * columnWidth;
        auto* field = new QLineEdit(QString::number(initialValues[i]), this);
        field->setGeometry(x, 160, fieldWidth_, 20);
        field->setAlignment(Qt::AlignCenter);
        field->setAccessibleName(heading + QLatin1Char(' ') + tr(kChannels[i].name));
        controls.fields[i] = field;

        auto* slider = new Slider(Qt::Vertical, this);
        setChannelColors(*slider, toQColor(kChannels[i].fill));
        slider->setAccessibleName(field->accessibleName());
        slider->setValue(initialValues[i]);
        const int sliderWidth = slider->sizeHint().width();
        slider->setGeometry(x + (fieldWidth_ - sliderWidth) / 2, 52, sliderWidth, 100);
        // A press and a release write the value into the field; the release also shows it.
        connect(slider, &Slider::sliderPressed, field,
                [field, slider] { field->setText(QString::number(slider->value())); });
        connect(slider, &Slider::valueChosen, this, [this, end, field](int value) {
            field->setText(QString::number(value));
            showPreview(end);
        });
        controls.sliders[i] = slider;
    }

    controls.preview = new ColorBox(this);
    controls.preview->setGeometry(left, 188, groupWidth, 24);
    controls.preview->setBackColor(initial);
}

QLineEdit* GradientGeneratorWindow::field(GradientEnd end, Channel channel) const {
    return ends_[static_cast<std::size_t>(end)].fields[at(channel)];
}

Slider* GradientGeneratorWindow::slider(GradientEnd end, Channel channel) const {
    return ends_[static_cast<std::size_t>(end)].sliders[at(channel)];
}

ColorBox* GradientGeneratorWindow::preview(GradientEnd end) const {
    return ends_[static_cast<std::size_t>(end)].preview;
}

void GradientGeneratorWindow::showPreview(GradientEnd end) {
    const auto& s = ends_[static_cast<std::size_t>(end)].sliders;
    preview(end)->setBackColor(rgb(s[0]->value(), s[1]->value(), s[2]->value()));
}

void GradientGeneratorWindow::createGradient() {
    const QPointer<GradientGeneratorWindow> self = this; // a message may outlive the window
    std::array<GradientComponents, 2> colors;
    for (const GradientEnd end : {GradientEnd::Start, GradientEnd::End}) {
        std::array<std::int16_t, 3> values{};
        for (std::size_t i = 0; i < 3; ++i) {
            QLineEdit* f = ends_[static_cast<std::size_t>(end)].fields[i];
            const auto v = textToInt16(f->text().toStdString());
            if (!v) {
                showMessage(
                    this, QMessageBox::Warning,
                    tr("%1 must hold a number from -32768 to 32767.").arg(f->accessibleName()));
                if (self == nullptr) {
                    return;
                }
                f->setFocus();
                return;
            }
            values[i] = *v;
        }
        colors[static_cast<std::size_t>(end)] = {values[0], values[1], values[2]};
    }

    const int row = target_->currentIndex();
    const auto writes = row == 0 ? wholePaletteGradient(colors[0], colors[1])
                                 : rowGradient(row, colors[0], colors[1]);
    for (const SwatchWrite& w : writes) {
        palette_.setColor(w.index, w.color);
    }
}

} // namespace sv
