#include "dialogs/ColorAnalysisView.h"

#include "color/Contrast.h"
#include "widgets/ColorBox.h"
#include "widgets/ColorChip.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtColor.h"
#include "widgets/ValueText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <tuple>

namespace sv {

ColorAnalysisView::ColorAnalysisView(QWidget* parent) : QWidget(parent) {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(3);
    int row = 0;

    grid_->addWidget(heading(tr("Passing colours")), row++, 0, 1, 7);
    grid_->addWidget(new QLabel(tr("Text"), this), row, 1, 1, 3);
    grid_->addWidget(new QLabel(tr("Background"), this), row++, 4, 1, 3);
    for (const ContrastTarget target : kContrastTargets) {
        const QString name = tr(contrastTargetName(target));
        grid_->addWidget(new QLabel(name, this), row, 0);
        textLines_[std::size_t(target)] =
            suggestionLine(row, 1, tr("Text passing %1").arg(name), MovedColor::Text);
        backLines_[std::size_t(target)] =
            suggestionLine(row, 4, tr("Background passing %1").arg(name), MovedColor::Background);
        ++row;
    }

    grid_->addWidget(heading(tr("As others see it")), row++, 0, 1, 7);
    for (std::size_t i = 0; i + 1 < kVisions.size(); ++i) {
        const Vision vision = kVisions[i + 1];
        const QString name = tr(visionName(vision));
        VisionLine& line = visionLines_[i];
        auto* label = new QLabel(name, this);
        line.swatch = new ColorBox(this);
        line.swatch->setFixedSize(22, 22);
        line.swatch->setAttribute(Qt::WA_OpaquePaintEvent);
        line.swatch->setAccessibleName(tr("%1: current colour").arg(name));
        line.text = new ValueText(tr("%1: current colour and contrast").arg(name), 18, this);
        label->setBuddy(line.text);
        line.sample = new ValueText(tr("%1: sample").arg(name), 18, this);
        line.sample->setText(tr("Sample text"));
        grid_->addWidget(label, row, 0);
        grid_->addWidget(line.swatch, row, 1);
        grid_->addWidget(line.text, row, 2, 1, 2);
        grid_->addWidget(line.sample, row, 4, 1, 3);
        ++row;
    }

    grid_->addWidget(heading(tr("Harmonies")), row++, 0, 1, 7);
    for (const Harmony harmony : kHarmonies) {
        const QString name = tr(harmonyName(harmony));
        HarmonyLine& line = harmonyLines_[std::size_t(harmony)];
        grid_->addWidget(new QLabel(name, this), row, 0);
        auto* chips = new QHBoxLayout;
        chips->setSpacing(3);
        // A harmony always has as many colours: the chips it has no use for stay hidden.
        const std::size_t used = harmonyColors(kBlack, harmony).size;
        for (ColorChip*& chip : line.chips) {
            chip = new ColorChip(this);
            chip->setVisible(std::size_t(&chip - line.chips.data()) < used);
            connect(chip, &ColorChip::chosen, this, &ColorAnalysisView::colorChosen);
            chips->addWidget(chip);
        }
        chips->addStretch();
        grid_->addLayout(chips, row, 1, 1, 3);
        line.toPalette = new ImageButton(this);
        line.toPalette->setText(tr("To Palette"));
        setPlainToolTip(line.toPalette,
                        tr("  Put the %1 colours into the palette's first empty swatches  ")
                            .arg(name.toLower()));
        const std::size_t index = std::size_t(harmony);
        connect(line.toPalette, &ImageButton::clicked, this, [this, index] {
            const HarmonySet& set = harmonies_[index];
            emit paletteFillRequested(std::vector<ColorValue>(set.begin(), set.end()));
        });
        grid_->addWidget(line.toPalette, row, 4, 1, 3, Qt::AlignLeft);
        ++row;
    }
    grid_->setRowStretch(row, 1);
}

QLabel* ColorAnalysisView::heading(const QString& text) {
    auto* label = new QLabel(text, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

ColorAnalysisView::SuggestionLine
ColorAnalysisView::suggestionLine(int row, int column, const QString& what, MovedColor moved) {
    SuggestionLine line;
    line.chip = new ColorChip(this);
    line.text = new ValueText(what, 16, this);
    line.use = new ImageButton(this);
    line.use->setText(tr("Use"));
    setPlainToolTip(line.use, QStringLiteral("  ") + what + QStringLiteral("  "));
    ColorChip* chip = line.chip;
    connect(chip, &ColorChip::chosen, this, [this, moved](ColorValue c) {
        if (moved == MovedColor::Text) {
            emit pairChosen(c, previous_);
        } else {
            emit pairChosen(current_, c);
        }
    });
    connect(line.use, &ImageButton::clicked, chip, &ColorChip::choose);
    grid_->addWidget(line.chip, row, column);
    grid_->addWidget(line.text, row, column + 1);
    grid_->addWidget(line.use, row, column + 2);
    return line;
}

void ColorAnalysisView::showSuggestion(const SuggestionLine& line, ColorValue suggestion,
                                       const QString& what, ColorValue text, ColorValue background,
                                       ContrastTarget target) {
    line.chip->showColor(suggestion, what);
    line.text->setText(colorText(suggestion) + QStringLiteral("  ") +
                       QString::fromStdString(targetFigure(target, text, background)));
    line.use->setEnabled(true);
}

void ColorAnalysisView::showColors(ColorValue current, ColorValue previous) {
    current_ = current;
    previous_ = previous;
    const PassingColors texts = passingColors(current, previous, MovedColor::Text);
    const PassingColors backs = passingColors(current, previous, MovedColor::Background);
    for (const ContrastTarget target : kContrastTargets) {
        const std::size_t t = std::size_t(target);
        const bool met = meetsTarget(target, current, previous);
        for (const auto& [line, found, moved] :
             {std::tuple{&textLines_[t], texts[t], MovedColor::Text},
              std::tuple{&backLines_[t], backs[t], MovedColor::Background}}) {
            if (found) {
                const bool text = moved == MovedColor::Text;
                showSuggestion(*line, *found, line->text->accessibleName(), text ? *found : current,
                               text ? previous : *found, target);
                continue;
            }
            line->chip->clear();
            line->use->setEnabled(false);
            line->text->setText(met ? tr("Passes") : tr("Out of reach"));
        }
    }

    for (std::size_t i = 0; i < visionLines_.size(); ++i) {
        const Vision vision = kVisions[i + 1];
        const ColorValue text = simulateVision(current, vision);
        const ColorValue back = simulateVision(previous, vision);
        const VisionLine& line = visionLines_[i];
        line.swatch->setBackColor(text);
        line.text->setText(colorText(text) + QStringLiteral("  ") +
                           QString::fromStdString(wcagRatioText(wcagContrastRatio(text, back))));
        line.sample->setColors(toQColor(text), toQColor(back));
    }

    for (const Harmony harmony : kHarmonies) {
        const std::size_t h = std::size_t(harmony);
        harmonies_[h] = harmonyColors(current, harmony);
        const HarmonySet& set = harmonies_[h];
        const QString name = tr(harmonyName(harmony));
        for (std::size_t k = 0; k < set.size; ++k) {
            harmonyLines_[h].chips[k]->showColor(set.colors[k], name);
        }
    }
}

} // namespace sv
