#pragma once

#include "DesktopProbe.h"

#include <memory>

typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint::test {

/// An X server's keyboard through a connection of its own, as another program on the desktop
/// has: the locked XKB group, and keys pressed through XTest. Gives the server the layouts
/// us, cz, de and ru first (with setxkbmap), since an X server starts with one.
class X11Probe final : public DesktopProbe {
public:
    X11Probe();

    bool isReady() const override;
    int activeLayout() const override;
    bool switchLayout(int index) override;
    void pressKeys(const char* keys) override;
    bool hasFocus(const QWidget& window) const override;

private:
    bool m_layoutsSet = false;
    std::unique_ptr<Display, int (*)(Display*)> m_display;
    bool m_hasXTest = false;
};

} // namespace lexmint::test
