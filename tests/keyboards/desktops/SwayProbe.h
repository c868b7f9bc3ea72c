#pragma once

#include "WaylandProbe.h"

namespace lexmint::test {

/// sway's keyboards through its command-line client `swaymsg`; the first keyboard that has
/// layouts stands for all of them.
class SwayProbe final : public WaylandProbe {
public:
    int activeLayout() const override;
    bool switchLayout(int index) override;
};

} // namespace lexmint::test
