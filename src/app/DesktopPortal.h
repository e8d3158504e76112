#pragma once
// The desktop portal's screenshot interface over D-Bus, for desktops where a program cannot
// read the screen itself (Wayland): a one-shot colour pick and a screenshot. Each request is
// answered later through a Response signal on a request object, whose path is known in advance
// from a token of ours; a request that gets no answer in time fails.

#include "color/Color.h"

#include <QImage>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

namespace sv {

enum class PortalFailure {
    Missing,   // no portal with a screenshot service answers on this desktop
    Refused,   // the portal said no, or could not do it
    BadAnswer, // an answer that cannot be used: a malformed colour, an unreadable screenshot
    TimedOut,
};

class DesktopPortal : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 30000;

    explicit DesktopPortal(QObject* parent = nullptr, int timeoutMs = kTimeoutMs);

    // Asks the user to pick one colour of the screen.
    void pickColor();
    // Takes a screenshot of the whole desktop without asking, where the desktop allows it.
    void takeScreenshot();
    bool busy() const { return !requestPath_.isEmpty(); }

signals:
    void colorPicked(sv::ColorValue color);
    // The screenshot as read from the portal's file, which is deleted afterwards.
    void screenshotTaken(const QImage& image);
    void cancelled();
    void failed(const QString& message, sv::PortalFailure failure);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    enum class Request { PickColor, Screenshot };
    void send(Request request, QVariantMap options);
    void listen(const QString& path);
    void finish();
    void fail(const QString& message, PortalFailure failure);
    void readColor(const QVariantMap& results);
    void readScreenshot(const QVariantMap& results);

    int timeoutMs_;
    QTimer timeout_;
    Request request_ = Request::PickColor;
    QString requestPath_;
};

} // namespace sv
