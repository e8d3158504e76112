#pragma once
// The history of picks the windows show: what the file holds, changed through the file so
// that a second running copy's picks are merged, never overwritten. Where the file cannot be
// written, changes last until the program ends and cannotStore() says so once.

#include "history/HistoryFile.h"

#include <QObject>
#include <QString>

namespace sv {

class HistoryStore : public QObject {
    Q_OBJECT
public:
    explicit HistoryStore(const QString& path, QObject* parent = nullptr);
    // history.txt in the per-user data folder, beside the palettes.
    static QString defaultPath();

    const History& entries() const { return entries_; }
    // Reads the file again (another copy may have changed it).
    void reload();

    // A kept pick, now.
    void add(ColorValue color);
    void remove(ColorValue color);
    void setPinned(ColorValue color, bool pinned);
    // Removes every entry but the pinned ones.
    void clearUnpinned();

signals:
    void changed();
    void cannotStore(const QString& path);

private:
    void apply(const std::function<void(History&)>& edit);

    HistoryFile file_;
    History entries_;
    bool failureReported_ = false;
};

} // namespace sv
