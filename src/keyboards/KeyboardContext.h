#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QString>

#include <optional>

namespace lexmint {

class KeyboardSwitcher;

/// The keyboard layout of one typing context (a text box): switched to the context's layout
/// while the context has the focus, and back to the user's own when it loses it. The layout to
/// switch back to is held from entering until leaving; the main window restores a layout still
/// held when the program ends.
class KeyboardContext {
public:
    explicit KeyboardContext(KeyboardSwitcher& switcher);

    /// Getting the focus: switches to `requested` and holds the layout that was active before.
    /// Returns the name of `requested` for the status bar, also when the switch failed.
    /// A context that already holds the user's layout keeps it, so that entering twice without
    /// leaving cannot lose it.
    QString enter(KeyboardLayoutId requested);
    /// Losing the focus: switches back to the held layout, if any, and holds nothing.
    void leave();
    /// The layout to restore; nothing while the context is idle. KeybCurrent restores nothing.
    std::optional<KeyboardLayoutId> held() const { return m_held; }

protected:
    KeyboardSwitcher& switcher() { return m_switcher; }
    void hold(KeyboardLayoutId layout) { m_held = layout; }

private:
    KeyboardSwitcher& m_switcher;
    std::optional<KeyboardLayoutId> m_held;
};

/// The context of the data sheet, whose columns ask for different layouts. One held layout
/// lasts across column changes, so that moving from column to column never loses the user's
/// own layout.
class GridKeyboard : public KeyboardContext {
public:
    using KeyboardContext::KeyboardContext;

    /// Switches to the layout of the current column. KeybCurrent (no vocabulary open, or no
    /// layout chosen for the column) goes back to the held layout and keeps holding it; with
    /// nothing held, the context holds KeybCurrent. Returns the name of `wanted`.
    QString switchTo(KeyboardLayoutId wanted);
};

} // namespace lexmint
