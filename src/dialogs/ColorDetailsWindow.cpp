#include "dialogs/ColorDetailsWindow.h"

#include "color/ColorSelection.h"
#include "color/Contrast.h"
#include "palette/NamedColors.h"
#include "palette/NearestNamedColor.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace sv {

namespace {

constexpr int kMargin = 10;
constexpr int kTop = 30; // below the title

QString verdict(const char* name, bool pass) {
    return QString::fromLatin1(name) + (pass ? QStringLiteral(" Pass") : QStringLiteral(" Fail"));
}

} // namespace

ColorDetailsWindow::ColorDetailsWindow(QWidget* mainWindow, ColorSelection& selection)
    : ToolWindow(mainWindow, {QStringLiteral("[ Colour Details ]"), QSize(6000, 6000)}) {
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (int i = 0; i < kColorFormatCount; ++i, ++row) {
        const auto format = static_cast<ColorFormat>(i);
        const QString name = QString::fromLatin1(colorFormatName(format));
        auto* label = new QLabel(name, content);
        auto* field = new QLineEdit(content);
        field->setReadOnly(true); // selectable, not editable
        field->setAccessibleName(name);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(
                                   QStringLiteral("Color(red: 0.000, green: 0.000, blue: 0.000)")) +
                               12);
        label->setBuddy(field);
        auto* copy = new ImageButton(content);
        copy->setText(QStringLiteral("Copy"));
        copy->setToolTip(QStringLiteral("  Copy %1  ").arg(name));
        connect(copy, &ImageButton::clicked, this,
                [field] { QGuiApplication::clipboard()->setText(field->text()); });
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(copy, row, 2);
        fields_[std::size_t(i)] = field;
        copyButtons_[std::size_t(i)] = copy;
    }
    auto addLine = [&](const QString& caption) {
        auto* label = new QLabel(caption, content);
        auto* value = new QLabel(content);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1, 1, 2);
        ++row;
        return value;
    };
    ratio_ = addLine(QStringLiteral("Contrast on the last colour"));
    verdicts_ = addLine(QString());
    apca_ = addLine(QStringLiteral("APCA"));
    nearest_ = addLine(QStringLiteral("Nearest name"));
    sample_ = new QLabel(QStringLiteral("Sample text in the current colour"), content);
    largeSample_ = new QLabel(QStringLiteral("Large sample"), content);
    QFont large = largeSample_->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    largeSample_->setFont(large);
    for (QLabel* s : {sample_, largeSample_}) {
        s->setAutoFillBackground(true);
        s->setMargin(4);
        grid->addWidget(s, row++, 0, 1, 3);
    }

    content->move(kMargin, kTop);
    content->resize(content->sizeHint());
    setFixedSize(std::max(width(), content->width() + 2 * kMargin),
                 content->height() + kTop + kMargin);

    connect(&selection, &ColorSelection::changed, this, &ColorDetailsWindow::showColor);
    showColor(selection.current(), selection.previous());
}

void ColorDetailsWindow::showColor(ColorValue current, ColorValue previous) {
    for (int i = 0; i < kColorFormatCount; ++i) {
        fields_[std::size_t(i)]->setText(
            QString::fromStdString(formatColor(current, static_cast<ColorFormat>(i))));
    }
    const double ratio = wcagContrastRatio(current, previous);
    const WcagVerdicts v = wcagVerdicts(ratio);
    ratio_->setText(QString::fromStdString(wcagRatioText(ratio)));
    verdicts_->setText(QStringList{verdict("Normal AA", v.normalAA), verdict("AAA", v.normalAAA),
                                   verdict("Large AA", v.largeAA), verdict("AAA", v.largeAAA),
                                   verdict("Interface", v.interface)}
                           .join(QStringLiteral(" · ")));
    apca_->setText(QString::fromStdString(sv::apcaText(apcaContrast(current, previous))));
    const NearestName nearest = nearestNamedColor(current);
    const std::string_view name = namedColorName(nearest.index);
    nearest_->setText(QString::fromUtf8(name.data(), qsizetype(name.size())) +
                      QStringLiteral("  ") +
                      QString::fromStdString(distanceText(nearest.distance)));
    for (QLabel* s : {sample_, largeSample_}) {
        QPalette p = s->palette();
        p.setColor(QPalette::Window, toQColor(previous));
        p.setColor(QPalette::WindowText, toQColor(current));
        s->setPalette(p);
    }
}

QString ColorDetailsWindow::contrastText() const {
    return ratio_->text();
}

QString ColorDetailsWindow::apcaText() const {
    return apca_->text();
}

QString ColorDetailsWindow::nearestNameText() const {
    return nearest_->text();
}

} // namespace sv
