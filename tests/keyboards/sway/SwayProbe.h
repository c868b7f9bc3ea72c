#pragma once

#include <QString>

namespace lexmint::test {

/// The compositor's keyboard state as the user's own tools see it: sway's command-line client
/// `swaymsg`, talking to the compositor at $SWAYSOCK.
class SwayProbe {
public:
    /// The active layout index of the first keyboard that has layouts; -1 when there is none.
    static int activeLayout();
    /// Switches every keyboard to the layout at `index`, as a key binding of the user would.
    static bool switchLayout(int index);
    /// The layout names of the first keyboard that has layouts, joined by commas.
    static QString layoutNames();
};

} // namespace lexmint::test
