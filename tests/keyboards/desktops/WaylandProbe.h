#pragma once

#include "DesktopProbe.h"
#include "VirtualKeyboard.h"

namespace lexmint::test {

/// A Wayland compositor's keyboard: keys come from a keyboard of the probe's own on the
/// compositor's seat; how the active layout is read and switched depends on the compositor.
class WaylandProbe : public DesktopProbe {
public:
    bool isReady() const override { return m_keyboard.isReady(); }
    void pressKeys(const char* keys) override { m_keyboard.pressKeys(keys); }

private:
    VirtualKeyboard m_keyboard{"us,cz,de,ru"};
};

} // namespace lexmint::test
