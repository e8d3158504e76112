#include "app/DesktopPortal.h"

#include "app/PortalAnswer.h"

#include "files/SafeFileText.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QImageReader>

namespace sv {

namespace {

const QString kService = QString::fromLatin1(kPortalService);
const QString kObject = QString::fromLatin1(kPortalObject);
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QString::fromLatin1(kPortalRequest);

// Errors that mean there is no portal, or none with a screenshot interface.
bool portalMissing(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

} // namespace

QString portalRequestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

DesktopPortal::DesktopPortal(QObject* parent, int timeoutMs)
    : QObject(parent), timeoutMs_(timeoutMs) {
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        fail(tr("The desktop portal did not answer within %1 s.").arg(timeoutMs_ / 1000.0),
             PortalFailure::TimedOut);
    });
}

void DesktopPortal::pickColor() {
    send(Request::PickColor, {});
}

void DesktopPortal::takeScreenshot() {
    send(Request::Screenshot, {{QStringLiteral("interactive"), false}});
}

void DesktopPortal::send(Request request, QVariantMap options) {
    if (busy()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fail(tr("There is no D-Bus session bus to reach the desktop portal."),
             PortalFailure::Missing);
        return;
    }
    request_ = request;
    requestStart_ = fileClockNow();
    // The request object's path follows from our bus name and the token, so the answer can be
    // listened for before the call is made.
    // Unique in the process: a request object may outlive the portal object that asked.
    static int tokens = 0;
    const QString token = QStringLiteral("spectrivue%1").arg(++tokens);
    options.insert(QStringLiteral("handle_token"), token);
    listen(portalRequestPath(bus, token));
    timeout_.start(timeoutMs_);

    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kObject, kScreenshot,
        request == Request::PickColor ? QStringLiteral("PickColor") : QStringLiteral("Screenshot"));
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (!busy()) {
            return; // answered, or given up, already
        }
        if (reply.isError()) {
            if (portalMissing(reply.error())) {
                fail(tr("No desktop portal with a screenshot service answers "
                        "on this desktop, so colours cannot be picked from "
                        "the screen."),
                     PortalFailure::Missing);
            } else {
                fail(tr("The desktop portal refused: %1").arg(reply.error().message()),
                     PortalFailure::Refused);
            }
            return;
        }
        // Older portals choose the path themselves.
        const QString path = reply.value().path();
        if (path != requestPath_) {
            listen(path);
        }
    });
}

void DesktopPortal::listen(const QString& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!requestPath_.isEmpty()) {
        bus.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
    }
    requestPath_ = path;
    bus.connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
}

void DesktopPortal::finish() {
    timeout_.stop();
    if (!requestPath_.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(kService, requestPath_, kRequest,
                                                 QStringLiteral("Response"), this,
                                                 SLOT(onResponse(uint, QVariantMap)));
        requestPath_.clear();
    }
}

void DesktopPortal::fail(const QString& message, PortalFailure failure) {
    finish();
    emit failed(message, failure);
}

void DesktopPortal::onResponse(uint response, const QVariantMap& results) {
    if (!busy()) {
        return;
    }
    finish();
    if (response == 1) {
        emit cancelled();
        return;
    }
    if (response != 0) {
        emit failed(request_ == Request::PickColor
                        ? tr("The desktop portal could not pick a colour.")
                        : tr("The desktop portal could not take a screenshot."),
                    PortalFailure::Refused);
        return;
    }
    request_ == Request::PickColor ? readColor(results) : readScreenshot(results);
}

void DesktopPortal::readColor(const QVariantMap& results) {
    const QVariant value = results.value(QStringLiteral("color"));
    double r = -1;
    double g = -1;
    double b = -1;
    if (value.canConvert<QDBusArgument>()) {
        const auto arg = value.value<QDBusArgument>();
        if (arg.currentSignature() == QLatin1String("(ddd)")) {
            arg.beginStructure();
            arg >> r >> g >> b;
            arg.endStructure();
        }
    }
    const std::optional<ColorValue> color = portalColor(r, g, b);
    if (!color) {
        emit failed(tr("The desktop portal answered with a colour that cannot be read."),
                    PortalFailure::BadAnswer);
        return;
    }
    emit colorPicked(*color);
}

void DesktopPortal::readScreenshot(const QVariantMap& results) {
    const QString uri = results.value(QStringLiteral("uri")).toString();
    const std::optional<std::string> local = localPathOfFileUri(uri.toStdString());
    if (!local) {
        emit failed(tr("The desktop portal answered with a screenshot that cannot be "
                       "read: %1")
                        .arg(uri),
                    PortalFailure::BadAnswer);
        return;
    }
    const QString path = QFile::decodeName(local->c_str());
    ScreenshotFile read = readScreenshotFile(path, requestStart_);
    if (read.image.isNull()) {
        emit failed(tr("The screenshot %1 cannot be read: %2").arg(path, read.error),
                    PortalFailure::BadAnswer);
        return;
    }
    emit screenshotTaken(read.image);
}

ScreenshotFile readScreenshotFile(const QString& path, timespec requestStart) {
    // Never through a link: the portal writes the picture itself, and a link could lead to any
    // file of the user's.
    const std::string native = QFile::encodeName(path).toStdString();
    OpenedFile opened = openRegularFile(native, kMaxScreenshotBytes, Links::Refuse);
    if (!opened.ok()) {
        return {{}, openFailureText(opened)};
    }
    QFile file;
    if (!file.open(opened.file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return {{}, file.errorString()};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(512);
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, reader.errorString()};
    }
    // The portal hands the file over to us: deleted once read, but only if it is the file this
    // request made (the very file read, a regular file of this user with one name, made after
    // the request was sent). A file named by a portal that answers wrongly, or by another
    // process answering in its place, is left where it is.
    removeIfMadeSince(native, opened, requestStart);
    return {std::move(image), {}};
}

} // namespace sv
