#include "history/HistoryWindow.h"

#include "history/HistoryStore.h"
#include "widgets/DragColor.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtColor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace sv {

namespace {

constexpr int kColorRole = Qt::UserRole;
constexpr int kSwatchSize = 16;

QString htmlText(ColorValue c) {
    return QString::fromStdString(makeNotations(c).html);
}

QIcon swatchIcon(ColorValue c) {
    QPixmap picture(kSwatchSize, kSwatchSize);
    picture.fill(toQColor(c));
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return QIcon(picture);
}

} // namespace

QString historyTimeText(const QDateTime& when, const QDateTime& now) {
    const QDate day = when.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    if (day == today) {
        return when.toLocalTime().toString(QStringLiteral("HH:mm"));
    }
    if (day == today.addDays(-1)) {
        return HistoryWindow::tr("yesterday");
    }
    return QLocale().toString(day, QLocale::ShortFormat);
}

HistoryList::HistoryList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit chosen(HistoryWindow::entryColor(item)); });
}

QMimeData* HistoryList::mimeData(const QList<QListWidgetItem*>& items) const {
    return items.isEmpty()
               ? nullptr
               : makeColorDrag(HistoryWindow::entryColor(items.front()), DragSource::History);
}

void HistoryList::keyPressEvent(QKeyEvent* event) {
    QListWidgetItem* item = currentItem();
    if (item != nullptr) {
        const ColorValue color = HistoryWindow::entryColor(item);
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(htmlText(color));
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit removeRequested(color);
            return;
        }
        if (event->key() == Qt::Key_P && event->modifiers() == Qt::NoModifier) {
            emit pinToggled(color);
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

HistoryWindow::HistoryWindow(QWidget* mainWindow, HistoryStore& store)
    : ToolWindow(mainWindow, {tr("[ History ]"), QSize(3900, 5400), QPoint(120, 90)}),
      store_(store), list_(new HistoryList(this)),
      clear_(new QPushButton(tr("Clear history"), this)) {
    list_->setGeometry(10, 30, width() - 20, height() - 74);
    list_->setAccessibleName(tr("History of picks"));
    clear_->setGeometry(10, height() - 38, width() - 20, 28);
    connect(list_, &HistoryList::chosen, this, &HistoryWindow::colorChosen);
    connect(list_, &HistoryList::removeRequested, &store_, &HistoryStore::remove);
    connect(list_, &HistoryList::pinToggled, this, [this](ColorValue color) {
        for (const HistoryEntry& e : store_.entries()) {
            if (e.color == color) {
                store_.setPinned(color, !e.pinned);
                return;
            }
        }
    });
    // The pin is the row's check box.
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        // After the click is done with the row: the list is filled anew from what is stored.
        const ColorValue color = entryColor(item);
        const bool pinned = item->checkState() == Qt::Checked;
        QMetaObject::invokeMethod(
            this, [this, color, pinned] { store_.setPinned(color, pinned); }, Qt::QueuedConnection);
    });
    connect(clear_, &QPushButton::clicked, this, &HistoryWindow::confirmClear);
    connect(&store_, &HistoryStore::changed, this, &HistoryWindow::refill);
    store_.reload();
    refill();
}

ColorValue HistoryWindow::entryColor(const QListWidgetItem* item) {
    return item != nullptr ? item->data(kColorRole).toInt() : kBlack;
}

void HistoryWindow::refill() {
    // The row with the keyboard stays with its colour; none had it when the row is -1.
    const int currentRow = list_->currentRow();
    const ColorValue current = entryColor(list_->currentItem());
    const QSignalBlocker blocker(list_);
    list_->clear();
    const QDateTime now = QDateTime::currentDateTime();
    for (const HistoryEntry& e : store_.entries()) {
        const QString time = historyTimeText(QDateTime::fromSecsSinceEpoch(e.time), now);
        auto* item = new QListWidgetItem(swatchIcon(e.color), htmlText(e.color) + "   " + time);
        item->setData(kColorRole, e.color);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                       Qt::ItemIsUserCheckable);
        item->setCheckState(e.pinned ? Qt::Checked : Qt::Unchecked);
        QString spoken = htmlText(e.color) + ", " + time;
        if (e.pinned) {
            spoken += ", " + tr("pinned");
        }
        item->setData(Qt::AccessibleTextRole, spoken);
        item->setToolTip(e.pinned ? tr("Pinned: kept when older picks go") : tr("Click to pin"));
        list_->addItem(item);
        if (currentRow >= 0 && current == e.color) {
            list_->setCurrentItem(item);
        }
    }
    // A removed entry hands the keyboard to the one after it.
    if (list_->currentItem() == nullptr && list_->count() > 0 && currentRow >= 0) {
        list_->setCurrentRow(std::min(currentRow, list_->count() - 1));
    }
    clear_->setEnabled(std::any_of(store_.entries().begin(), store_.entries().end(),
                                   [](const HistoryEntry& e) { return !e.pinned; }));
}

void HistoryWindow::confirmClear() {
    QPointer<QMessageBox> box =
        newMessageBox(QMessageBox::Question,
                      tr("Remove every pick from the history except the pinned ones?"), this);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    const int answer = execDialog(box);
    delete box.data();
    if (answer == QMessageBox::Yes) {
        store_.clearUnpinned();
    }
}

} // namespace sv
