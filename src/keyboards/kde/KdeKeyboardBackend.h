#pragma once

#include "keyboards/XkbGroupBackend.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

namespace lexmint {

/// The layouts of a KDE Plasma desktop, through the session-bus service of Plasma's keyboard
/// daemon. The service is there only while two or more layouts are configured, so its
/// coming and going is watched: without it the desktop has no layouts to switch.
class KdeKeyboardBackend final : public XkbGroupBackend {
public:
    /// Works through `bus`, a session bus connection.
    explicit KdeKeyboardBackend(const QDBusConnection& bus);

    /// Whether the layout service is on `bus` now.
    static bool serviceIsRegistered(const QDBusConnection& bus);

protected:
    Groups groups() const override;
    bool activateGroup(int index) override;

private:
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    bool m_serviceRegistered;
};

} // namespace lexmint
