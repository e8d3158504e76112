#include "app/SessionBusService.h"

#include "app/GlobalShortcut.h"
#include "app/MainWindow.h"
#include "history/HistoryStore.h"
#include "palette/NamedColors.h"

#include <QDBusConnection>
#include <QWindow>

namespace sv {

namespace {

const QString kErrorPrefix = QStringLiteral("org.spectrivue.Picker.Error.");

QString html(ColorValue c) {
    return QString::fromStdString(makeNotations(c).html);
}

} // namespace

SessionBusService::SessionBusService(MainWindow& window) : QObject(&window), window_(window) {
    new ApplicationAdaptor(*this);
    new PickerAdaptor(*this);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // The object first, so a call that activated the program finds it once the name is ours.
    if (!bus.registerObject(QString::fromLatin1(kBusPath), this, QDBusConnection::ExportAdaptors)) {
        return;
    }
    owned_ = bus.registerService(QString::fromLatin1(kBusName));
    if (!owned_) {
        bus.unregisterObject(QString::fromLatin1(kBusPath));
        return;
    }
    // Only the copy that answers launchers registers the desktop-wide shortcut.
    shortcut_ = new GlobalShortcut(QString::fromLatin1(kBusName), this);
    connect(shortcut_, &GlobalShortcut::activated, this, [this] { window_.startPick(); });
    shortcut_->start();
    connect(&window_, &MainWindow::pickKept, this, [this](ColorValue c) {
        answer([c](const QDBusMessage& m) { return m.createReply(html(c)); });
    });
    connect(&window_, &MainWindow::pickCancelled, this, [this] {
        answer([](const QDBusMessage& m) {
            return m.createErrorReply(kErrorPrefix + QStringLiteral("Cancelled"),
                                      QStringLiteral("The pick was cancelled."));
        });
    });
    connect(&window_, &MainWindow::pickFailed, this, [this](const QString& why) {
        answer([why](const QDBusMessage& m) {
            return m.createErrorReply(kErrorPrefix + QStringLiteral("Failed"), why);
        });
    });
}

SessionBusService::~SessionBusService() {
    if (owned_) {
        // The name goes with the window: the connection itself outlives it.
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(QString::fromLatin1(kBusName));
        bus.unregisterObject(QString::fromLatin1(kBusPath));
    }
}

void SessionBusService::activate(const QVariantMap& platformData) {
    // What lets the desktop hand the window the focus: Wayland's activation token, X11's
    // startup id.
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
    const QString startup = platformData.value(QStringLiteral("desktop-startup-id")).toString();
    if (!startup.isEmpty()) {
        qputenv("DESKTOP_STARTUP_ID", startup.toUtf8());
    }
    if (window_.isMinimized() || !window_.isVisible()) {
        window_.showNormal();
    }
    window_.raise();
    window_.activateWindow();
}

void SessionBusService::answerAtPickEnd(const QDBusMessage& message) {
    message.setDelayedReply(true);
    waiting_.push_back(message);
    window_.startPick();
}

void SessionBusService::answer(const std::function<QDBusMessage(const QDBusMessage&)>& reply) {
    for (const QDBusMessage& m : std::exchange(waiting_, {})) {
        QDBusConnection::sessionBus().send(reply(m));
    }
}

ApplicationAdaptor::ApplicationAdaptor(SessionBusService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

void ApplicationAdaptor::Activate(const QVariantMap& platformData) {
    service_.activate(platformData);
}

void ApplicationAdaptor::Open(const QStringList&, const QVariantMap& platformData) {
    service_.activate(platformData);
}

void ApplicationAdaptor::ActivateAction(const QString& name, const QVariantList&,
                                        const QVariantMap& platformData,
                                        const QDBusMessage& message) {
    if (name != QLatin1String("pick")) {
        QDBusConnection::sessionBus().send(message.createErrorReply(
            QDBusError::InvalidArgs, QStringLiteral("There is no action \"%1\".").arg(name)));
        return;
    }
    service_.activate(platformData);
    service_.window().startPick(true);
}

PickerAdaptor::PickerAdaptor(SessionBusService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

QString PickerAdaptor::Pick(const QDBusMessage& message) {
    service_.answerAtPickEnd(message);
    return {};
}

QString PickerAdaptor::CurrentColor() {
    return html(service_.window().selection().current());
}

void PickerAdaptor::SetCurrentColor(const QString& text, const QDBusMessage& message) {
    const std::optional<ColorValue> color = colorFromText(text.toStdString());
    if (!color) {
        message.setDelayedReply(true);
        QDBusConnection::sessionBus().send(message.createErrorReply(
            kErrorPrefix + QStringLiteral("InvalidColor"),
            QStringLiteral("\"%1\" is not a colour.").arg(text.left(200))));
        return;
    }
    service_.window().selection().setCurrent(*color);
}

QStringList PickerAdaptor::History() {
    HistoryStore* history = service_.window().history();
    history->reload(); // another copy may have added to it
    QStringList out;
    for (const HistoryEntry& entry : history->entries()) {
        out.append(html(entry.color));
    }
    return out;
}

} // namespace sv
