#pragma once

#include "keyboards/KeyboardBackend.h"

#include <QList>
#include <QString>

typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint {

/// The layouts of an X11 desktop: the XKB groups of the core keyboard, identified by
/// xkbLayoutId() from the layout codes and variants the server was configured with. Everything
/// is read from the server on each call, so that layouts the user adds, removes or reorders
/// while the program runs take effect at once. A layout that two groups share is the first.
class XkbKeyboardBackend final : public KeyboardBackend {
public:
    /// Works through `display`, which must outlive the backend.
    explicit XkbKeyboardBackend(Display* display);

    QList<qint32> installedLayouts() const override;
    /// The layout of the locked group.
    qint32 activeLayout() const override;
    /// Locks the group of `layout`; when it returns true the server has switched, so that the
    /// very next key press is typed in that layout.
    bool activate(qint32 layout) override;
    /// The group's name in the keymap ("Czech (QWERTY)").
    QString layoutDescription(qint32 layout) const override;

private:
    /// The layout of each group, in the keymap's order: index = XKB group number.
    QList<qint32> groupLayouts() const;
    /// The locked group; -1 when the server does not tell.
    int lockedGroup() const;

    Display* m_display;
};

} // namespace lexmint
