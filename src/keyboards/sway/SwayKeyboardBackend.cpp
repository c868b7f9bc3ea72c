#include "keyboards/sway/SwayKeyboardBackend.h"

#include "keyboards/xkb/XkbRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lexmint {

using namespace Qt::StringLiterals;

SwayKeyboardBackend::SwayKeyboardBackend(const QString& socketPath) : m_ipc(socketPath) {}

XkbGroupBackend::Groups SwayKeyboardBackend::groups() const
{
    const std::optional<QByteArray> reply = m_ipc.send(SwayIpc::Request::GetInputs);
    if (!reply)
        return {};
    const XkbRegistry& registry = XkbRegistry::system();
    for (const QJsonValue input : QJsonDocument::fromJson(*reply).array()) {
        const QJsonArray names = input[u"xkb_layout_names"].toArray();
        if (input[u"type"] != u"keyboard"_s || names.isEmpty())
            continue;
        Groups now;
        for (const QJsonValue name : names) {
            const QString description = name.toString();
            // A layout the registry does not know still gets an identifier of its own.
            const XkbLayout layout =
                registry.layoutDescribedAs(description).value_or(XkbLayout{description, {}});
            now.groups.append(Group{layout, description});
        }
        now.active = input[u"xkb_active_layout_index"].toInt(-1);
        return now;
    }
    return {};
}

bool SwayKeyboardBackend::activateGroup(int index)
{
    const std::optional<QByteArray> reply =
        m_ipc.send(SwayIpc::Request::RunCommand,
                   "input type:keyboard xkb_switch_layout " + QByteArray::number(index));
    if (!reply)
        return false;
    // One result per command; the command has switched every keyboard once it reports success.
    const QJsonArray results = QJsonDocument::fromJson(*reply).array();
    return !results.isEmpty() && results.first()[u"success"].toBool() && groups().active == index;
}

} // namespace lexmint
