#include "palette/NamedColorLists.h"

#include "palette/NamedColors.h"
#include "palette/NamedStrip.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

namespace sv {

namespace {

QString nameText(int index) {
    const std::string_view name = rNomeCor(index);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

NamedColorLists::NamedColorLists(QComboBox* cmb1, QComboBox* cmb2, NamedStrip* strip,
                                 QObject* parent)
    : QObject(parent), cmb1_(cmb1), cmb2_(cmb2), strip_(strip) {
    // Every change of selection, by the user or by code, is a click of that list.
    connect(cmb1_, &QComboBox::currentIndexChanged, this, [this] { cmb1Click(); });
    connect(cmb2_, &QComboBox::currentIndexChanged, this, [this] { cmb2Click(); });
    // A combo box selects the first item put into it when it was empty; these lists start
    // with no selection however they are filled, so that the panel's first opening finds
    // cmb2 empty and gives it "Sunset".
    for (QComboBox* list : {cmb1_, cmb2_}) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this,
                [list](const QModelIndex&, int first, int last) {
                    if (first == 0 && list->count() == last + 1 && list->currentIndex() == 0) {
                        const QSignalBlocker block(list);
                        list->setCurrentIndex(-1);
                    }
                });
    }
}

void NamedColorLists::fillNameLists(QComboBox* cmb1, QComboBox* cmb2) {
    QStringList names;
    names.reserve(kNamedColorCount);
    for (int i = 1; i <= kNamedColorCount; ++i) {
        names.append(nameText(i));
    }
    for (QComboBox* list : {cmb1, cmb2}) {
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(names);
        list->setCurrentIndex(-1);
    }
}

void NamedColorLists::appendName(QComboBox* cmb1, QComboBox* cmb2, int index) {
    const QString name = nameText(index);
    for (QComboBox* list : {cmb1, cmb2}) {
        const QSignalBlocker block(list);
        const int selected = list->currentIndex();
        list->addItem(name);
        // A list that was empty selects its first item by itself; the lists start unselected.
        list->setCurrentIndex(selected);
    }
}

void NamedColorLists::cmb1Click() {
    if (cmb2_->currentText().isEmpty()) {
        // Set quietly: the strip is painted once, below, with the same result.
        const QSignalBlocker block(cmb2_);
        cmb2_->setCurrentIndex(kSunsetPosition);
    }
    cmb2Click();
}

void NamedColorLists::cmb2Click() {
    strip_->paintStrip(rValorCor(cmb1_->currentIndex() + 1), rValorCor(cmb2_->currentIndex() + 1));
}

void NamedColorLists::openPanel() {
    if (cmb1_->currentIndex() == kYellowPosition) {
        cmb1Click(); // already there: no change signal, but the click still runs
    } else {
        cmb1_->setCurrentIndex(kYellowPosition);
    }
}

} // namespace sv
