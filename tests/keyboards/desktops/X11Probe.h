#pragma once

#include <memory>

class QWidget;
typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint::test {

/// An X server's keyboard through a connection of its own, as another program on the desktop
/// has: the locked XKB group, and keys pressed through XTest. Gives the server the layouts
/// us, cz and de first (with setxkbmap), since an X server starts with one.
class X11Probe final {
public:
    X11Probe();

    /// Whether the layouts are set and keys can be pressed.
    bool isReady() const;
    /// The active layout's index; -1 when it cannot be read.
    int activeLayout() const;
    /// Switches to the layout at `index`, as a key binding of the user would.
    bool switchLayout(int index);
    /// Presses and releases, one after the other, the keys that type `keys` (ASCII) in the
    /// first layout, whatever layout is active when they arrive.
    void pressKeys(const char* keys);
    /// Whether the server sends the keys pressed now to `window`. Qt may take a window for
    /// active before the server gives it the input focus (a window manager still on its way).
    bool hasFocus(const QWidget& window) const;

private:
    bool m_layoutsSet = false;
    std::unique_ptr<Display, int (*)(Display*)> m_display;
    bool m_hasXTest = false;
};

} // namespace lexmint::test
