#include "keyboards/kde/KdeKeyboardBackend.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

const QString Service = u"org.kde.keyboard"_s;
const QString Path = u"/Layouts"_s;
const QString Interface = u"org.kde.KeyboardLayouts"_s;
// A desktop service that does not answer must not freeze the program for the bus's default
// of 25 seconds.
constexpr int CallTimeoutMs = 2000;

// One entry of the service's layout list: D-Bus signature (sss).
struct KdeLayout {
    QString shortName; // the XKB layout code
    QString variant;
    QString longName; // as the desktop shows it
};

const QDBusArgument& operator>>(const QDBusArgument& argument, KdeLayout& layout)
{
    argument.beginStructure();
    argument >> layout.shortName >> layout.variant >> layout.longName;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const KdeLayout& layout)
{
    argument.beginStructure();
    argument << layout.shortName << layout.variant << layout.longName;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace lexmint

Q_DECLARE_METATYPE(lexmint::KdeLayout)

namespace lexmint {

namespace {

QDBusMessage layoutsCall(const QString& method)
{
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

} // namespace

KdeKeyboardBackend::KdeKeyboardBackend(const QDBusConnection& bus)
    : m_bus(bus),
      m_watcher(Service, m_bus,
                QDBusServiceWatcher::WatchForRegistration
                    | QDBusServiceWatcher::WatchForUnregistration),
      m_serviceRegistered(serviceIsRegistered(m_bus))
{
    qDBusRegisterMetaType<KdeLayout>();
    qDBusRegisterMetaType<QList<KdeLayout>>();
    QObject::connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, &m_watcher,
                     [this] { m_serviceRegistered = true; });
    QObject::connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, &m_watcher,
                     [this] { m_serviceRegistered = false; });
}

bool KdeKeyboardBackend::serviceIsRegistered(const QDBusConnection& bus)
{
    const QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    return daemon && daemon->isServiceRegistered(Service).value();
}

XkbGroupBackend::Groups KdeKeyboardBackend::groups() const
{
    if (!m_serviceRegistered)
        return {};
    const QDBusReply<QList<KdeLayout>> layouts =
        m_bus.call(layoutsCall(u"getLayoutsList"_s), QDBus::Block, CallTimeoutMs);
    const QDBusReply<uint> active =
        m_bus.call(layoutsCall(u"getLayout"_s), QDBus::Block, CallTimeoutMs);
    if (!layouts.isValid() || !active.isValid())
        return {};
    Groups now;
    for (const KdeLayout& layout : layouts.value())
        now.groups.append(Group{{layout.shortName, layout.variant}, layout.longName});
    now.active = active.value() < uint(now.groups.size()) ? int(active.value()) : -1;
    return now;
}

bool KdeKeyboardBackend::activateGroup(int index)
{
    QDBusMessage call = layoutsCall(u"setLayout"_s);
    call << uint(index);
    const QDBusReply<bool> switched = m_bus.call(call, QDBus::Block, CallTimeoutMs);
    return switched.isValid() && switched.value();
}

} // namespace lexmint
