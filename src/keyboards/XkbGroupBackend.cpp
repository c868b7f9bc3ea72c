#include "keyboards/XkbGroupBackend.h"

#include "keyboards/xkb/XkbLayoutIds.h"
#include "keyboards/xkb/XkbRegistry.h"
#include "platform/KeyboardLayoutId.h"

namespace lexmint {

QList<qint32> XkbGroupBackend::layoutsOf(const Groups& groups)
{
    QList<qint32> layouts;
    for (const Group& group : groups.groups)
        layouts.append(xkbLayoutId(group.layout.code, group.layout.variant));
    return layouts;
}

QList<qint32> XkbGroupBackend::installedLayouts() const
{
    const Groups now = groups();
    const QList<qint32> layouts = layoutsOf(now);
    const int start = now.active >= 0 && now.active < layouts.size() ? now.active : 0;
    QList<qint32> ring;
    for (int step = 0; step < layouts.size(); ++step) {
        const qint32 layout = layouts[(start + step) % layouts.size()];
        if (!ring.contains(layout))
            ring.append(layout);
    }
    return ring;
}

qint32 XkbGroupBackend::activeLayout() const
{
    const Groups now = groups();
    return layoutsOf(now).value(now.active, KeybCurrent);
}

bool XkbGroupBackend::activate(qint32 layout)
{
    const auto index = int(layoutsOf(groups()).indexOf(layout));
    return index >= 0 && activateGroup(index);
}

QString XkbGroupBackend::layoutDescription(qint32 layout) const
{
    const Groups now = groups();
    const auto index = int(layoutsOf(now).indexOf(layout));
    if (index < 0)
        return {};
    const Group& group = now.groups[index];
    return group.description.isEmpty() ? XkbRegistry::system().description(group.layout)
                                       : group.description;
}

} // namespace lexmint
