#pragma once

#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardCatalogue.h"

namespace lexmint {

/// The backend where the desktop offers no layouts to switch (no X11 display): every layout
/// asked for is not installed.
class NoKeyboardBackend final : public KeyboardBackend {
public:
    QList<qint32> installedLayouts() const override { return {}; }
    qint32 activeLayout() const override { return KeybCurrent; }
    bool activate(qint32) override { return false; }
};

} // namespace lexmint
