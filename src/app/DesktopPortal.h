#pragma once
// The desktop portal's screenshot interface over D-Bus, for desktops where a program cannot
// read the screen itself (Wayland): a one-shot colour pick and a screenshot. Each request is
// answered later through a Response signal on a request object, whose path is known in advance
// from a token of ours; a request that gets no answer in time fails.

#include "color/Color.h"
#include "files/SafeFile.h"

#include <QDBusConnection>
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

inline constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
inline constexpr const char* kPortalObject = "/org/freedesktop/portal/desktop";
inline constexpr const char* kPortalRequest = "org.freedesktop.portal.Request";

// The path of the request object the portal makes for a call with this handle token: known in
// advance, so its Response can be listened for before the call is made.
QString portalRequestPath(const QDBusConnection& bus, const QString& token);

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
    // The screenshot as read from the portal's file, which is deleted afterwards when this
    // request made it.
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
    timespec requestStart_{};
};

// A screenshot file named by the portal, read into memory: the picture, or why not. Only a
// regular file is read (never a link, a pipe or a device, which could leave the program
// waiting); it is deleted afterwards only when it is the file made for the request that
// started at requestStart.
struct ScreenshotFile {
    QImage image;
    QString error;
};
inline constexpr std::size_t kMaxScreenshotBytes = std::size_t(512) * 1024 * 1024;
ScreenshotFile readScreenshotFile(const QString& path, timespec requestStart);

} // namespace sv
