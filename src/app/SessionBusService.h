#pragma once
// The running program on the session bus: the first copy owns org.spectrivue.spectrivue (the
// desktop file's name, so a launcher raises it instead of starting another) and exports
// /org/spectrivue/spectrivue with org.freedesktop.Application (Activate, Open, ActivateAction
// "pick") and org.spectrivue.Picker (Pick, CurrentColor, SetCurrentColor, History). A later
// copy finds the name taken and runs without it, saying nothing.

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <vector>

namespace sv {

class GlobalShortcut;
class MainWindow;

inline constexpr const char* kBusName = "org.spectrivue.spectrivue";
inline constexpr const char* kBusPath = "/org/spectrivue/spectrivue";

class SessionBusService : public QObject {
    Q_OBJECT
public:
    explicit SessionBusService(MainWindow& window);
    ~SessionBusService() override;
    // Whether this copy owns the name.
    bool owned() const { return owned_; }

    MainWindow& window() { return window_; }
    // The desktop-wide shortcut, asked for by the copy that owns the name (else null).
    GlobalShortcut* shortcut() const { return shortcut_; }
    // Brings the main window up and to the front (platformData: the launcher's activation
    // token or startup id, which lets the desktop give it the focus).
    void activate(const QVariantMap& platformData);
    // Answers message once the running or a new pick ends.
    void answerAtPickEnd(const QDBusMessage& message);

private:
    void answer(const std::function<QDBusMessage(const QDBusMessage&)>& reply);

    MainWindow& window_;
    std::vector<QDBusMessage> waiting_;
    GlobalShortcut* shortcut_ = nullptr;
    bool owned_ = false;
};

// org.freedesktop.Application, the interface launchers call on a D-Bus activatable program.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SessionBusService& service);

public slots:
    void Activate(const QVariantMap& platformData);
    // The program opens no files from the desktop: the window comes up.
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // "pick": the desktop file's "Pick a Colour", a pick whose colour is also copied.
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData, const QDBusMessage& message);

private:
    SessionBusService& service_;
};

class PickerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.spectrivue.Picker")
    Q_CLASSINFO("D-Bus Introspection",
                "<interface name=\"org.spectrivue.Picker\">"
                "<method name=\"Pick\"><arg name=\"color\" type=\"s\" direction=\"out\"/>"
                "</method>"
                "<method name=\"CurrentColor\">"
                "<arg name=\"color\" type=\"s\" direction=\"out\"/></method>"
                "<method name=\"SetCurrentColor\">"
                "<arg name=\"color\" type=\"s\" direction=\"in\"/></method>"
                "<method name=\"History\">"
                "<arg name=\"colors\" type=\"as\" direction=\"out\"/></method>"
                "</interface>")
public:
    explicit PickerAdaptor(SessionBusService& service);

public slots:
    // The kept colour's HTML notation, once the pick ends; the error
    // org.spectrivue.Picker.Error.Cancelled when it is cancelled, .Failed when it cannot run.
    QString Pick(const QDBusMessage& message);
    QString CurrentColor();
    // Any text a swatch takes from a drop; anything else is the error
    // org.spectrivue.Picker.Error.InvalidColor and changes nothing.
    void SetCurrentColor(const QString& text, const QDBusMessage& message);
    // The history of picks, newest first, as HTML notations.
    QStringList History();

private:
    SessionBusService& service_;
};

} // namespace sv
