#pragma once

#include "keyboards/KeyboardBackend.h"

#include <memory>

namespace lexmint {

/// The layouts of the desktop the program runs on: the XKB backend when Qt runs on an X11
/// display, otherwise (Wayland without X, offscreen) a backend without layouts, so that no
/// context switches anything.
std::unique_ptr<KeyboardBackend> makeDesktopKeyboardBackend();

} // namespace lexmint
