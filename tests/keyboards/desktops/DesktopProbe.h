#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace lexmint::test {

/// The desktop's keyboard as the user and his own tools see it, through channels of their own
/// beside the program's: which layout is active, and keys pressed on a keyboard of the desktop.
/// The desktop has the layouts us, cz, de and ru, in this order.
class DesktopProbe {
public:
    virtual ~DesktopProbe() = default;

    /// Whether the probe reaches the desktop and has a keyboard to press keys on.
    virtual bool isReady() const = 0;
    /// The active layout's index; -1 when there is no keyboard with layouts.
    virtual int activeLayout() const = 0;
    /// Switches to the layout at `index`, as a key binding of the user would.
    virtual bool switchLayout(int index) = 0;
    /// Presses and releases, one after the other, the keys that type `keys` (ASCII) in the
    /// first layout, whatever layout is active when they arrive.
    virtual void pressKeys(const char* keys) = 0;
    /// Whether the desktop sends the keys pressed now to `window`. Qt may take a window for
    /// active before the X server gives it the input focus (a window manager still on its
    /// way); a Wayland compositor tells Qt itself.
    virtual bool hasFocus(const QWidget& window) const;

    /// The probe of the desktop the test runs on: the X server on Qt's X11 platform, otherwise
    /// sway when $SWAYSOCK is set, otherwise KDE Plasma's KWin.
    static std::unique_ptr<DesktopProbe> forSession();
};

} // namespace lexmint::test
