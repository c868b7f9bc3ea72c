#pragma once

#include <QtGlobal>

namespace lexmint {

/// A keyboard layout identifier: its low 16 bits are a language identifier, which alone gives
/// the layout's name; the high 16 bits tell apart several layouts of one language. Stored as a
/// signed 32-bit number in vocabulary files and settings.
using KeyboardLayoutId = qint32;

/// The identifier that names no particular layout: a typing context with it leaves the active
/// layout alone.
inline constexpr KeyboardLayoutId KeybCurrent = 32767;

} // namespace lexmint
