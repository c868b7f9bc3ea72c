#pragma once

#include "keyboards/XkbGroupBackend.h"
#include "keyboards/sway/SwayIpc.h"

namespace lexmint {

/// The layouts of sway and of other compositors that speak its IPC: the XKB groups of the
/// keyboards, switched for every keyboard at once as the compositor's own command does. The
/// compositor names layouts by description only ("Czech (QWERTY)"); the system's layout
/// registry gives back their codes and variants.
class SwayKeyboardBackend final : public XkbGroupBackend {
public:
    /// Talks to the compositor over the socket `socketPath` ($SWAYSOCK).
    explicit SwayKeyboardBackend(const QString& socketPath);

protected:
    /// The groups of the first keyboard that has any.
    Groups groups() const override;
    bool activateGroup(int index) override;

private:
    mutable SwayIpc m_ipc;
};

} // namespace lexmint
