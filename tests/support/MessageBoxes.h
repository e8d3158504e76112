#pragma once
// Answers every message box the program shows while a test runs, as a user would: reads its
// text and presses OK. Works for boxes run modally (the catcher looks in from a timer while the
// box's own event loop runs) and for boxes merely shown.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace sv::test {

class MessageBoxCatcher {
public:
    MessageBoxCatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { sweep(); });
        timer_.start();
    }

    // The texts of the boxes shown so far, oldest first.
    const QStringList& messages() {
        sweep();
        return texts_;
    }
    const QStringList& titles() {
        sweep();
        return titles_;
    }
    void clear() {
        sweep();
        texts_.clear();
        titles_.clear();
    }

private:
    void sweep() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box == nullptr || !box->isVisible() || answered_.contains(box)) {
                continue;
            }
            answered_.append(box);
            texts_.append(box->text());
            titles_.append(box->windowTitle());
            box->accept();
        }
    }

    QTimer timer_;
    QStringList texts_;
    QStringList titles_;
    QList<QPointer<QMessageBox>> answered_;
};

} // namespace sv::test
