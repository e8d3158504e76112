#pragma once
// One shortcut the desktop honours wherever the focus is, through the desktop portal's global
// shortcuts (KDE Plasma 6, GNOME 48 and later): "pick", preferred trigger Super+Shift+C, which
// the desktop may let the person change. Where the portal lacks the interface nothing is
// registered and nothing is said.

#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

namespace sv {

class GlobalShortcut : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kId = "pick";
    static constexpr const char* kPreferredTrigger = "LOGO+SHIFT+c";

    // appId: the desktop file's name, which a portal outside a sandbox learns from us.
    GlobalShortcut(const QString& appId, QObject* parent = nullptr);
    // Asks the portal; bound() tells once the shortcut is in place.
    void start();
    bool isBound() const { return bound_; }

signals:
    void bound();
    void activated();

private slots:
    void onSessionResponse(uint response, const QVariantMap& results);
    void onBindResponse(uint response, const QVariantMap& results);
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    void createSession();
    void bindShortcut();
    // Listens for the Response to a request made with token, under slot.
    void listenForResponse(const QString& token, const char* slot);

    QString appId_;
    QString sessionPath_;
    bool bound_ = false;
};

} // namespace sv
