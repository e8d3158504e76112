#pragma once
// Tells when the pointer moves anywhere on the screen, so that a pointer at rest costs
// nothing: on X11 the server reports raw pointer motion (XInput 2) to the root window, and
// nothing has to ask it where the pointer is while it stays still.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <memory>

namespace sv {

class PointerMotionWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Null where the platform cannot report motion (not X11, or an X server without XInput 2):
    // the caller then asks for the pointer position on every tick.
    static std::unique_ptr<PointerMotionWatcher> create();
    ~PointerMotionWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void moved();

private:
    explicit PointerMotionWatcher(int extensionOpcode);

    int extensionOpcode_;
};

} // namespace sv
