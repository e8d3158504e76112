#pragma once
// The History window: the kept picks, newest first, each a swatch, its HTML notation and when
// it was picked. Enter or a double click makes one current, Delete removes it, a click on its
// pin or P pins it, Ctrl+C copies its notation, and it drags out as a colour. "Clear history"
// removes all but the pinned ones after asking.

#include "color/Color.h"
#include "widgets/ToolWindow.h"

#include <QDateTime>
#include <QListWidget>

class QPushButton;

namespace sv {

class HistoryStore;

// "14:03" for a time today, "yesterday", else the date.
QString historyTimeText(const QDateTime& when, const QDateTime& now);

class HistoryList : public QListWidget {
    Q_OBJECT
public:
    explicit HistoryList(QWidget* parent);

signals:
    void chosen(sv::ColorValue color);
    void removeRequested(sv::ColorValue color);
    void pinToggled(sv::ColorValue color);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

class HistoryWindow : public ToolWindow {
    Q_OBJECT
public:
    HistoryWindow(QWidget* mainWindow, HistoryStore& store);

    HistoryList* list() const { return list_; }
    QPushButton* clearButton() const { return clear_; }
    // The colour an entry's row stands for.
    static ColorValue entryColor(const QListWidgetItem* item);

signals:
    void colorChosen(sv::ColorValue color);

private:
    void refill();
    void confirmClear();

    HistoryStore& store_;
    HistoryList* list_;
    QPushButton* clear_;
};

} // namespace sv
