#pragma once
// Answers the program's dialogs as a user would, from a timer that runs inside the dialog's own
// event loop, so the real modal dialogs are shown and answered.

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace sv::test {

// Answers every message box shown while it lives: reads its text and presses OK. Works for
// boxes run modally and for boxes merely shown.
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

// Answers the next colour dialog: seen(dialog) looks at it as it opens; then a valid answer is
// chosen with OK, an invalid one cancels.
template <typename Seen> void answerNextColorDialog(QColor answer, Seen seen) {
    QTimer::singleShot(0, [answer, seen] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return; // the test's own check of what was chosen fails
        }
        seen(*dialog);
        if (answer.isValid()) {
            dialog->setCurrentColor(answer);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

inline void answerNextColorDialog(QColor answer) {
    answerNextColorDialog(answer, [](QColorDialog&) {});
}

} // namespace sv::test
