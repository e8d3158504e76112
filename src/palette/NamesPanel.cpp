#include "palette/NamesPanel.h"

#include "palette/NamedColors.h"
#include "palette/NamedStrip.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace sv {

namespace {

QString nameText(int index) {
    const std::string_view name = namedColorName(index);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

NamesPanel::NamesPanel(QWidget* parent)
    : Panel(parent), firstList_(new QComboBox(this)), secondList_(new QComboBox(this)),
      strip_(new NamedStrip(this)), dragCheck_(new QCheckBox(tr("Enable drag and drop"), this)),
      closeButton_(new ImageButton(this)) {
    setMovable(true);
    hide();
    dragCheck_->setToolTip(tr("Drag the child color and drop in Grid main."));
    closeButton_->setIcon(QIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false))));
    closeButton_->setIconSize(QSize(14, 14));
    closeButton_->setToolTip(tr("  Close  "));
    // Named for what they choose, not only by the name shown in them.
    firstList_->setAccessibleName(tr("Start colour name"));
    secondList_->setAccessibleName(tr("End colour name"));

    const int margin = 6;
    const QSize stripSize = strip_->sizeHint();
    const int width = stripSize.width() + 2 * margin;
    firstList_->setGeometry(margin, margin, (width - 3 * margin - 20) / 2, 22);
    secondList_->setGeometry(firstList_->geometry().right() + margin, margin, firstList_->width(),
                             22);
    closeButton_->setGeometry(width - margin - 20, margin + 1, 20, 20);
    strip_->setGeometry(margin, margin + 28, stripSize.width(), stripSize.height());
    dragCheck_->setGeometry(margin, strip_->geometry().bottom() + 4, width - 2 * margin, 20);
    resize(width, dragCheck_->geometry().bottom() + margin);

    // Every change of selection, by the user or by code, counts as choosing in that list.
    connect(firstList_, &QComboBox::currentIndexChanged, this, &NamesPanel::firstChosen);
    connect(secondList_, &QComboBox::currentIndexChanged, this, &NamesPanel::paintStrip);
    connect(strip_, &NamedStrip::cellClicked, this, &NamesPanel::colorPicked);
    connect(dragCheck_, &QCheckBox::toggled, strip_, &NamedStrip::setDragEnabled);
    connect(closeButton_, &ImageButton::clicked, this, &QWidget::hide);
}

void NamesPanel::appendName(int index) {
    const QString name = nameText(index);
    for (QComboBox* list : {firstList_, secondList_}) {
        const QSignalBlocker block(list);
        const int selected = list->currentIndex();
        list->addItem(name);
        // A list that was empty selects its first item by itself; these start unselected.
        list->setCurrentIndex(selected);
    }
}

void NamesPanel::fillNames() {
    for (int i = 1; i <= kNamedColorCount; ++i) {
        appendName(i);
    }
}

void NamesPanel::open(QPoint pos) {
    if (firstList_->currentIndex() == kYellowPosition) {
        firstChosen(); // already there: no change signal, but the choice still runs
    } else {
        firstList_->setCurrentIndex(kYellowPosition);
    }
    move(pos);
    show();
    raise();
}

void NamesPanel::firstChosen() {
    if (secondList_->currentText().isEmpty()) {
        // Set quietly: the strip is painted once, below, with the same result.
        const QSignalBlocker block(secondList_);
        secondList_->setCurrentIndex(kSunsetPosition);
    }
    paintStrip();
}

void NamesPanel::paintStrip() {
    strip_->paintStrip(namedColorValue(firstList_->currentIndex() + 1),
                       namedColorValue(secondList_->currentIndex() + 1));
}

} // namespace sv
