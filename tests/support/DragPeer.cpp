// Another program for drag-and-drop tests: a small window at (600, 100) that either starts a
// drag of the text (and colour) it was given when pressed, or takes any drop and prints what
// came. It prints "ready" once its window is on the screen and exits soon after one drag or
// drop.
//
// Usage: drag_peer source TEXT [RED GREEN BLUE] | drag_peer target

#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class Peer : public QWidget {
public:
    Peer(bool source, QStringList args)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
          source_(source), args_(std::move(args)) {
        setWindowTitle(QStringLiteral("drag-peer"));
        setAcceptDrops(!source);
        setGeometry(600, 100, 80, 80);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkGray); }
    void showEvent(QShowEvent*) override {
        QTimer::singleShot(200, this, [] { say(QStringLiteral("ready")); });
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!source_ || !(event->buttons() & Qt::LeftButton) || dragging_) {
            return;
        }
        dragging_ = true;
        auto* data = new QMimeData;
        data->setText(args_.value(0));
        if (args_.size() == 4) { // sent as the 8 bytes of "application/x-color"
            data->setColorData(QColor(args_[1].toInt(), args_[2].toInt(), args_[3].toInt()));
        }
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        say(action == Qt::CopyAction ? QStringLiteral("result: copy")
                                     : QStringLiteral("result: ignore"));
        // The target asks for the data after the drop: stay to answer, as real programs do.
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        event->acceptProposedAction();
        // Qt turns the 8 bytes of "application/x-color" into a QColor for its programs.
        const QColor held = qvariant_cast<QColor>(event->mimeData()->colorData());
        const QString color = held.isValid() ? held.name().toUpper() : QStringLiteral("none");
        say(QStringLiteral("x-color: %1 text: %2").arg(color, event->mimeData()->text()));
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool source_;
    QStringList args_;
    bool dragging_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() ||
        (args.first() != QLatin1String("source") && args.first() != QLatin1String("target"))) {
        std::fprintf(stderr, "usage: drag_peer source TEXT [R G B] | drag_peer target\n");
        return 2;
    }
    const bool source = args.takeFirst() == QLatin1String("source");
    Peer peer(source, args);
    peer.show();
    return app.exec();
}
