#pragma once

#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardCatalogue.h"

namespace lexmint {

/// The backend where the desktop does not let programs switch layouts (GNOME on Wayland, no
/// display at all): no layout is installed as far as the program can tell.
class NoKeyboardBackend final : public KeyboardBackend {
public:
    QList<qint32> installedLayouts() const override { return {}; }
    qint32 activeLayout() const override { return KeybCurrent; }
    bool activate(qint32) override { return false; }
    bool canSwitch() const override { return false; }
};

} // namespace lexmint
