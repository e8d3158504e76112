#include "app/GlobalShortcut.h"

#include "app/DesktopPortal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace sv {

namespace {

const QString kService = QString::fromLatin1(kPortalService);
const QString kObject = QString::fromLatin1(kPortalObject);
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QString::fromLatin1(kPortalRequest);

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcut& s) {
    out.beginStructure();
    out << s.id << s.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcut& s) {
    in.beginStructure();
    in >> s.id >> s.properties;
    in.endStructure();
    return in;
}

QString newToken() {
    static int tokens = 0;
    return QStringLiteral("spectrivue_shortcut%1").arg(++tokens);
}

} // namespace

} // namespace sv

Q_DECLARE_METATYPE(sv::PortalShortcut)

namespace sv {

GlobalShortcut::GlobalShortcut(const QString& appId, QObject* parent)
    : QObject(parent), appId_(appId) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

void GlobalShortcut::start() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // A portal outside a sandbox knows the program by what it registers; older portals lack
    // the registry, and that is no reason to stop.
    QDBusMessage registration = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.host.portal.Registry"),
        QStringLiteral("Register"));
    registration << appId_ << QVariantMap();
    bus.asyncCall(registration);

    QDBusMessage version = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    version << kInterface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(version), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError() && reply.value().variant().toUInt() >= 1) {
            createSession();
        }
    });
}

void GlobalShortcut::listenForResponse(const QString& token, const char* slot) {
    QDBusConnection::sessionBus().connect(kService,
                                          portalRequestPath(QDBusConnection::sessionBus(), token),
                                          kRequest, QStringLiteral("Response"), this, slot);
}

void GlobalShortcut::createSession() {
    const QString token = newToken();
    listenForResponse(token, SLOT(onSessionResponse(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface,
                                                       QStringLiteral("CreateSession"));
    call << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("session_handle_token"), newToken()}};
    QDBusConnection::sessionBus().asyncCall(call);
}

void GlobalShortcut::onSessionResponse(uint response, const QVariantMap& results) {
    // A string by the documentation; some portals send an object path.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    sessionPath_ = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                       ? handle.value<QDBusObjectPath>().path()
                       : handle.toString();
    if (response != 0 || sessionPath_.isEmpty()) {
        return;
    }
    QDBusConnection::sessionBus().connect(
        kService, kObject, kInterface, QStringLiteral("Activated"), this,
        SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bindShortcut();
}

void GlobalShortcut::bindShortcut() {
    const QString token = newToken();
    listenForResponse(token, SLOT(onBindResponse(uint, QVariantMap)));
    const QList<PortalShortcut> shortcuts{
        {QString::fromLatin1(kId),
         {{QStringLiteral("description"), tr("Pick a colour from the screen")},
          {QStringLiteral("preferred_trigger"), QString::fromLatin1(kPreferredTrigger)}}}};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface,
                                                       QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(sessionPath_)) << QVariant::fromValue(shortcuts)
         << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    QDBusConnection::sessionBus().asyncCall(call);
}

void GlobalShortcut::onBindResponse(uint response, const QVariantMap&) {
    if (response == 0 && !bound_) {
        bound_ = true;
        emit bound();
    }
}

void GlobalShortcut::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                 const QVariantMap&) {
    if (session.path() == sessionPath_ && id == QLatin1String(kId)) {
        emit activated();
    }
}

} // namespace sv
