#pragma once

#include "WaylandProbe.h"

namespace lexmint::test {

/// KDE Plasma's layouts through its keyboard service on the session bus, as its keyboard
/// indicator sees them.
class KdeProbe final : public WaylandProbe {
public:
    int activeLayout() const override;
    bool switchLayout(int index) override;
};

} // namespace lexmint::test
