#include "dialogs/OptionsWindow.h"

#include "AppInfo.h"

#include "dialogs/MaskChoice.h"
#include "settings/Options.h"
#include "settings/PickFormats.h"
#include "widgets/CaptionedLine.h"
#include "widgets/PlainText.h"

#include "color/AreaAverage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <algorithm>

namespace sv {

namespace {

template <std::size_t N> auto at(const std::array<QRadioButton*, N>& a, int index) {
    return index >= 1 && index <= int(N) ? a[std::size_t(index - 1)] : nullptr;
}

} // namespace

OptionsWindow::OptionsWindow(QWidget* mainWindow, Options& options)
    : ToolWindow(mainWindow, {tr("[ Options ]"), QSize(3900, 5970), QPoint(120, 90)}),
      options_(options) {
    const int left = 10;
    const int inner = width() - 2 * left;

    const QStringList headings{tr("Color Capture:"), tr("Zoom Capture:"), tr("Color Capture:"),
                               tr("Mask Color:"), tr("Pick from Screen:")};
    const std::array<int, 5> headingTops{30, 88, 146, 190, 250};
    for (int i = 0; i < 5; ++i) {
        auto* line = new CaptionedLine(headings[i], this);
        line->setGeometry(left, headingTops[std::size_t(i)], inner, 16);
        headings_[std::size_t(i)] = line;
    }

    // One exclusive group per option; a click stores the button's index under the option.
    auto makeGroup = [this](OptionKey key, auto& buttons, const QStringList& captions,
                            auto geometry) {
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < captions.size(); ++i) {
            auto* b = new QRadioButton(captions[i], this);
            b->setGeometry(geometry(i));
            group->addButton(b, i + 1);
            buttons[std::size_t(i)] = b;
        }
        connect(group, &QButtonGroup::idClicked, this,
                [this, key](int id) { options_.setAndStore(key, id); });
    };
    makeGroup(OptionKey::StopCapture, stopButtons_,
              {tr("Stop Capture -> Mouse Down"), tr("Stop Capture -> Mouse Up")},
              [&](int i) { return QRect(left + 10, 48 + 18 * i, inner - 10, 18); });
    makeGroup(OptionKey::CreateGradient, gradientButtons_,
              {tr("Start Gradient -> Mouse Click"), tr("Start Gradient -> Mouse Move")},
              [&](int i) { return QRect(left + 10, 106 + 18 * i, inner - 10, 18); });
    // The three zoom buttons stand in one row.
    makeGroup(OptionKey::Zoom, zoomButtons_, {tr("Zoom 5x"), tr("Zoom 10x"), tr("Zoom 20x")},
              [&](int i) { return QRect(left + 2 + 80 * i, 164, 80, 18); });

    for (int i = 1; i <= kMaskCount; ++i) {
        auto* mask = new MaskChoice(SwatchMask(i), this);
        mask->move(left + 10 + 32 * (i - 1), 212);
        connect(mask, &MaskChoice::clicked, this, &OptionsWindow::chooseMask);
        maskChoices_[std::size_t(i - 1)] = mask;
    }
    // After the masks, in the order the keyboard goes.
    buildPickChoices(268);
    fitButtonsToTheirText();

    connect(&options_, &Options::cannotStore, this, [this](const QString& path) {
        // Not modal: the options still apply until the program ends.
        openMessage(this, QMessageBox::Warning,
                    tr("The options cannot be saved in %1.\nThey apply until "
                       "Spectrivue ends.")
                        .arg(QDir::toNativeSeparators(path)));
    });

    // What is stored (anything unusable counts as the default) becomes the option in memory
    // and the chosen button.
    options_.load();
    stopButton(options_.value(OptionKey::StopCapture))->setChecked(true);
    gradientButton(options_.value(OptionKey::CreateGradient))->setChecked(true);
    zoomButton(options_.value(OptionKey::Zoom))->setChecked(true);
    maskChoice(options_.value(OptionKey::IndexPicMask))->setBordered(true);
    loupe_->setChecked(options_.loupe());
    sampleSize_->setCurrentIndex(sampleSize_->findData(options_.sampleSize()));
    copyFormat_->setCurrentIndex(
        copyFormat_->findData(QString::fromStdString(options_.copyFormat())));
    // Ctrl+wheel during a pick changes the size too.
    connect(&options_, &Options::changed, this, [this](OptionKey key, int value) {
        if (key == OptionKey::SampleSize) {
            sampleSize_->setCurrentIndex(sampleSize_->findData(value));
        }
    });
}

void OptionsWindow::buildPickChoices(int top) {
    const int left = 20;
    loupe_ = new QCheckBox(tr("Loupe at the pointer"), this);
    loupe_->setGeometry(left, top, width() - left - 10, 20);
    connect(loupe_, &QCheckBox::clicked, this,
            [this](bool on) { options_.setAndStore(OptionKey::Loupe, on ? 1 : 0); });
    auto* label = new QLabel(tr("Sample size:"), this);
    sampleSize_ = new QComboBox(this);
    for (int side : kSampleSizes) {
        sampleSize_->addItem(side == 1 ? tr("1 \u00D7 1 pixel")
                                       : tr("%1 \u00D7 %1 pixels, averaged").arg(side),
                             side);
    }
    label->setBuddy(sampleSize_);
    label->setGeometry(left, top + 24, width() - left - 10, 20);
    sampleSize_->setGeometry(left, top + 46, width() - left - 10, 24);
    connect(sampleSize_, &QComboBox::activated, this, [this](int index) {
        options_.setAndStore(OptionKey::SampleSize, sampleSize_->itemData(index).toInt());
    });

    auto* copyLabel = new QLabel(tr("Copy when a pick is kept:"), this);
    copyFormat_ = new QComboBox(this);
    copyFormat_->addItem(tr("Off"), QString());
    // Each name beside what it writes, so the choice needs no manual.
    for (std::string_view name : builtInFormatNames()) {
        const QString text = QString::fromStdString(*builtInFormatText(kFormatExample, name));
        const QString key = QString::fromLatin1(name.data(), qsizetype(name.size()));
        copyFormat_->addItem(QStringLiteral("%1 \u2014 %2").arg(key, text), key);
    }
    copyLabel->setBuddy(copyFormat_);
    copyLabel->setGeometry(left, top + 76, width() - left - 10, 20);
    copyFormat_->setGeometry(left, top + 98, width() - left - 10, 24);
    connect(copyFormat_, &QComboBox::activated, this, [this](int index) {
        options_.setAndStoreCopyFormat(copyFormat_->itemData(index).toString().toStdString());
    });
}

void OptionsWindow::fitButtonsToTheirText() {
    // Where the desktop's font is wider than these sizes allow, a caption keeps all its letters:
    // the buttons widen, the zoom row spreads, and the window widens to hold them.
    int right = 0;
    for (auto* buttons : {&stopButtons_, &gradientButtons_}) {
        for (QRadioButton* b : *buttons) {
            b->resize(std::max(b->width(), b->sizeHint().width()), b->height());
            right = std::max(right, b->geometry().right());
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{loupe_, sampleSize_, copyFormat_}) {
        w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
        right = std::max(right, w->geometry().right());
    }
    int x = zoomButtons_[0]->x();
    for (QRadioButton* b : zoomButtons_) {
        b->setGeometry(x, b->y(), std::max(b->width(), b->sizeHint().width()), b->height());
        x = b->geometry().right() + 1;
    }
    right = std::max(right, x);
    if (right + 10 > width()) {
        setFixedWidth(right + 10);
        for (CaptionedLine* line : headings_) {
            line->resize(width() - 2 * line->x(), line->height());
        }
    }
}

QRadioButton* OptionsWindow::stopButton(int choice) const {
    return at(stopButtons_, choice);
}
QRadioButton* OptionsWindow::gradientButton(int choice) const {
    return at(gradientButtons_, choice);
}
QRadioButton* OptionsWindow::zoomButton(int choice) const {
    return at(zoomButtons_, choice);
}

MaskChoice* OptionsWindow::maskChoice(int choice) const {
    return choice >= 1 && choice <= kMaskCount ? maskChoices_[std::size_t(choice - 1)] : nullptr;
}

CaptionedLine* OptionsWindow::heading(int index) const {
    return index >= 1 && index <= int(headings_.size()) ? headings_[std::size_t(index - 1)]
                                                        : nullptr;
}

void OptionsWindow::chooseMask(SwatchMask mask) {
    for (MaskChoice* m : maskChoices_) {
        m->setBordered(m->mask() == mask);
    }
    options_.setAndStore(OptionKey::IndexPicMask, static_cast<int>(mask));
}

} // namespace sv
