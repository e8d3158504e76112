#include "dialogs/FrmOptions.h"

#include "app/Options.h"
#include "dialogs/MaskChoice.h"
#include "widgets/ActiveLine.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace sv {

namespace {

template <std::size_t N> auto at(const std::array<QRadioButton*, N>& a, int index) {
    return index >= 1 && index <= int(N) ? a[std::size_t(index - 1)] : nullptr;
}

} // namespace

FrmOptions::FrmOptions(QWidget* mainWindow, Options& options)
    : ToolWindow(mainWindow, {QStringLiteral("frmOptions"), QStringLiteral("[ Options ]"),
                              QSize(3900, 3900), QPoint(120, 90)}),
      options_(options) {
    const int left = 10;
    const int inner = width() - 2 * left;

    const QStringList headings{QStringLiteral("Color Capture:"), QStringLiteral("Zoom Capture:"),
                               QStringLiteral("Color Capture:"), QStringLiteral("Mask Color:")};
    const std::array<int, 4> headingTops{30, 88, 146, 190};
    for (int i = 0; i < 4; ++i) {
        auto* line = new ActiveLine(QStringLiteral("ActiveLine%1").arg(i + 1), headings[i], this);
        line->setGeometry(left, headingTops[std::size_t(i)], inner, 16);
        headings_[std::size_t(i)] = line;
    }

    // One exclusive group per option; a click stores the button's index under the option.
    auto makeGroup = [this](OptionKey key, auto& buttons, const QString& name,
                            const QStringList& captions, auto geometry) {
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < captions.size(); ++i) {
            auto* b = new QRadioButton(captions[i], this);
            b->setObjectName(name + QString::number(i + 1));
            b->setGeometry(geometry(i));
            group->addButton(b, i + 1);
            buttons[std::size_t(i)] = b;
        }
        connect(group, &QButtonGroup::idClicked, this,
                [this, key](int id) { options_.setAndStore(key, id); });
    };
    makeGroup(
        OptionKey::StopCapture, optStop_, QStringLiteral("optStop"),
        {QStringLiteral("Stop Capture -> Mouse Down"), QStringLiteral("Stop Capture -> Mouse Up")},
        [&](int i) { return QRect(left + 10, 48 + 18 * i, inner - 10, 18); });
    makeGroup(OptionKey::CreateGradient, optGradient_, QStringLiteral("optGradient"),
              {QStringLiteral("Start Gradient -> Mouse Click"),
               QStringLiteral("Start Gradient -> Mouse Move")},
              [&](int i) { return QRect(left + 10, 106 + 18 * i, inner - 10, 18); });
    // The three zoom buttons stand in one row.
    makeGroup(OptionKey::Zoom, optZoom_, QStringLiteral("optZoom"),
              {QStringLiteral("Zoom 5x"), QStringLiteral("Zoom 10x"), QStringLiteral("Zoom 20x")},
              [&](int i) { return QRect(left + 2 + 80 * i, 164, 80, 18); });

    for (int i = 1; i <= 5; ++i) {
        auto* mask = new MaskChoice(i, this);
        mask->move(left + 10 + 32 * (i - 1), 212);
        connect(mask, &MaskChoice::clicked, this, &FrmOptions::chooseMask);
        picMask_[std::size_t(i - 1)] = mask;
    }

    // What is stored (anything unusable counts as the default) becomes the option in memory
    // and the chosen button.
    options_.load();
    optStop(options_.stopCapture())->setChecked(true);
    optGradient(options_.createGradient())->setChecked(true);
    optZoom(options_.zoom())->setChecked(true);
    picMask(options_.indexPicMask())->setBordered(true);
}

QRadioButton* FrmOptions::optStop(int index) const {
    return at(optStop_, index);
}
QRadioButton* FrmOptions::optGradient(int index) const {
    return at(optGradient_, index);
}
QRadioButton* FrmOptions::optZoom(int index) const {
    return at(optZoom_, index);
}

MaskChoice* FrmOptions::picMask(int index) const {
    return index >= 1 && index <= 5 ? picMask_[std::size_t(index - 1)] : nullptr;
}

ActiveLine* FrmOptions::heading(int index) const {
    return index >= 1 && index <= 4 ? headings_[std::size_t(index - 1)] : nullptr;
}

void FrmOptions::chooseMask(int index) {
    for (MaskChoice* m : picMask_) {
        m->setBordered(m->index() == index);
    }
    options_.setAndStore(OptionKey::IndexPicMask, index);
}

} // namespace sv
