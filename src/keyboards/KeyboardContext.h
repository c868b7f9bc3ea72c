#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QString>

#include <optional>

namespace lexmint {

class KeyboardSwitcher;

/// The keyboard layout of the typing context in use (a text box, or the data sheet whose
/// columns ask for different layouts): switched to the context's layout on entering, and back
/// to the user's own on leaving. The layout to switch back to is held from the first switch
/// until leaving, so that switching again meanwhile (from column to column) never loses it.
class KeyboardContext {
public:
    explicit KeyboardContext(KeyboardSwitcher& switcher);

    /// Switches to `requested` and holds the layout that was active before, unless the user's
    /// layout is held already. KeybCurrent (no vocabulary open, or no layout chosen) goes back
    /// to the held layout and keeps holding it; with nothing held, the context holds
    /// KeybCurrent. Returns the name of `requested` for the status bar, also when the switch
    /// failed.
    QString enter(KeyboardLayoutId requested);
    /// Switches back to the held layout, if any, and holds nothing.
    void leave();
    /// The layout to restore; nothing while no context is in use. KeybCurrent restores nothing.
    std::optional<KeyboardLayoutId> held() const { return m_held; }

private:
    KeyboardSwitcher& m_switcher;
    std::optional<KeyboardLayoutId> m_held;
};

} // namespace lexmint
