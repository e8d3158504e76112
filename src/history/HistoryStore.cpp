#include "history/HistoryStore.h"

#include "files/ProgramFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace sv {

HistoryStore::HistoryStore(const QString& path, QObject* parent)
    : QObject(parent), file_(QFile::encodeName(path).toStdString()) {
    reload();
}

QString HistoryStore::defaultPath() {
    return QDir(userDataFolder()).filePath(QStringLiteral("history.txt"));
}

void HistoryStore::reload() {
    if (std::optional<History> stored = file_.read()) {
        entries_ = std::move(*stored);
        emit changed();
    }
}

void HistoryStore::apply(const std::function<void(History&)>& edit) {
    if (std::optional<History> written = file_.change(edit)) {
        entries_ = std::move(*written);
    } else {
        edit(entries_);
        if (!failureReported_) {
            failureReported_ = true;
            emit cannotStore(QFile::decodeName(file_.path().c_str()));
        }
    }
    emit changed();
}

void HistoryStore::add(ColorValue color) {
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    apply([&](History& h) { addPick(h, color, now); });
}

void HistoryStore::remove(ColorValue color) {
    apply([&](History& h) { removeEntry(h, color); });
}

void HistoryStore::setPinned(ColorValue color, bool pinned) {
    apply([&](History& h) { sv::setPinned(h, color, pinned); });
}

void HistoryStore::clearUnpinned() {
    apply([](History& h) { sv::clearUnpinned(h); });
}

} // namespace sv
