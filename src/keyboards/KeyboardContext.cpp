#include "keyboards/KeyboardContext.h"

#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardSwitcher.h"

#include <utility>

namespace lexmint {

KeyboardContext::KeyboardContext(KeyboardSwitcher& switcher) : m_switcher(switcher) {}

QString KeyboardContext::enter(KeyboardLayoutId requested)
{
    if (requested == KeybCurrent) {
        if (m_held)
            m_switcher.activateKeyboard(*m_held);
        else
            m_held = KeybCurrent;
    } else {
        const KeyboardLayoutId previous = m_switcher.activateKeyboard(requested);
        // KeybCurrent restores nothing, so a later switch may still learn the user's layout.
        if (!m_held || *m_held == KeybCurrent)
            m_held = previous;
    }
    return keyboardName(requested);
}

void KeyboardContext::leave()
{
    if (const std::optional<KeyboardLayoutId> layout = std::exchange(m_held, std::nullopt))
        m_switcher.activateKeyboard(*layout);
}

} // namespace lexmint
