#pragma once

#include "keyboards/KeyboardBackend.h"
#include "keyboards/xkb/XkbLayout.h"

#include <QList>
#include <QString>

namespace lexmint {

/// A desktop whose layouts are the groups of one XKB keymap, switched by group number (X11,
/// and the Wayland desktops that let programs switch). A layout's identifier comes from its
/// XKB name alone, so that a vocabulary means the same layout on every desktop. Everything is
/// read from the desktop on each call, so that layouts the user adds, removes, reorders or
/// switches while the program runs are seen at once. A layout that two groups share is the
/// first of them.
class XkbGroupBackend : public KeyboardBackend {
public:
    QList<qint32> installedLayouts() const override;
    /// The layout of the active group.
    qint32 activeLayout() const override;
    /// Switches to the group of `layout`; true once the desktop reports that group active.
    bool activate(qint32 layout) override;
    /// The group's description as the desktop names it, else as the system's layout registry
    /// does.
    QString layoutDescription(qint32 layout) const override;

protected:
    struct Group {
        XkbLayout layout;
        /// The desktop's own name of the group; may be empty.
        QString description;
    };
    struct Groups {
        /// In the keymap's order: index = group number.
        QList<Group> groups;
        /// The active group; -1 when the desktop does not tell.
        int active = -1;
    };

    /// The desktop's groups now; no groups when it cannot be reached.
    virtual Groups groups() const = 0;
    /// Asks the desktop to switch to group `index`, an index into groups(); true when it
    /// reports having done so.
    virtual bool activateGroup(int index) = 0;

private:
    static QList<qint32> layoutsOf(const Groups& groups);
};

} // namespace lexmint
