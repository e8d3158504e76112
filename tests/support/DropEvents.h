#pragma once
// A drag entering a widget and dropping there, as the platform would deliver it.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace sv::test {

// Drops data on target at pos; returns whether the target accepted the drag's entry.
inline bool dropOn(QWidget* target, QMimeData* data, QPoint pos = QPoint(5, 5)) {
    QDragEnterEvent enter(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

} // namespace sv::test
