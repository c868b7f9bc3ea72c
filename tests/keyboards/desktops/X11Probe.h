#pragma once

#include "DesktopProbe.h"

#include <memory>

typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint::test {

/// An X server's keyboard through a connection of its own, as another program on the desktop
/// has: the locked XKB group, and keys pressed through XTest. Gives the server the layouts
/// us, cz, de and ru first (with setxkbmap), since an X server starts with one. Beyond every
/// desktop's probe, it presses keys by name and takes the focus with a window of its own.
class X11Probe final : public DesktopProbe {
public:
    X11Probe();
    ~X11Probe() override;

    bool isReady() const override;
    int activeLayout() const override;
    bool switchLayout(int index) override;
    QString layoutNames() const override;
    void pressKeys(const char* keys) override;
    bool hasFocus(const QWidget& window) const override;

    /// Whether a window manager runs on the server (one that says so, as openbox does).
    bool hasWindowManager() const;
    unsigned long focusedWindow() const;
    /// Presses and releases the key of the X key name `name` ("F5", "Escape").
    void pressKey(const char* name);
    /// Gives the keyboard focus to a window of the probe's, as when the user turns to another
    /// program.
    void takeFocus();
    /// Gives the keyboard focus to the X window `window`, as a click on it would.
    void giveFocus(unsigned long window);

private:
    void press(unsigned long keysym);

    bool m_layoutsSet = false;
    std::unique_ptr<Display, int (*)(Display*)> m_display;
    bool m_hasXTest = false;
    unsigned long m_window = 0;
};

} // namespace lexmint::test
