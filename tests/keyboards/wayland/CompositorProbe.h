#pragma once

#include <QString>

#include <memory>

namespace lexmint::test {

/// The compositor's keyboard state as the user's own tools see it, through a channel of its
/// own beside the program's.
class CompositorProbe {
public:
    virtual ~CompositorProbe() = default;

    /// The active layout's index; -1 when there is no keyboard with layouts.
    virtual int activeLayout() const = 0;
    /// Switches to the layout at `index`, as a key binding of the user would.
    virtual bool switchLayout(int index) = 0;
    /// The layouts' descriptions, joined by commas.
    virtual QString layoutNames() const = 0;

    /// The probe of the compositor the test runs on: sway when $SWAYSOCK is set, otherwise
    /// KDE Plasma's KWin.
    static std::unique_ptr<CompositorProbe> forSession();
};

} // namespace lexmint::test
