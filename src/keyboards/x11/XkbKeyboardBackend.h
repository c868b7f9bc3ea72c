#pragma once

#include "keyboards/XkbGroupBackend.h"

typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint {

/// The layouts of an X11 desktop: the XKB groups of the core keyboard, named by the layout
/// codes and variants the server was configured with.
class XkbKeyboardBackend final : public XkbGroupBackend {
public:
    /// Works through `display`, which must outlive the backend.
    explicit XkbKeyboardBackend(Display* display);

protected:
    Groups groups() const override;
    /// Locks the group; when it returns true the server has switched, so that the very next
    /// key press is typed in that layout.
    bool activateGroup(int index) override;

private:
    /// The locked group; -1 when the server does not tell.
    int lockedGroup() const;

    Display* m_display;
};

} // namespace lexmint
