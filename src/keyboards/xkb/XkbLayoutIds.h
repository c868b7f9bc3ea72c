#pragma once

#include "keyboards/xkb/XkbLayout.h"
#include "platform/KeyboardLayoutId.h"

#include <QStringView>

#include <optional>

namespace lexmint {

/// The identifier of the XKB layout `layout` (a layout code such as "cz") with `variant`
/// ("qwerty", or empty for the plain layout). It depends on nothing but these two texts, so it
/// stays the same from run to run and whatever the order of the desktop's layouts.
///
/// The low 16 bits are the language the layout types, from a table of layout codes (and of the
/// few variants that type another language, such as "ch(fr)"); a code that is not in the table
/// gets 0x0000, "Language Neutral". The high 16 bits are 0 for a language's own layout (its
/// primary code without a variant), so that "cz" is 0x0405 and "us" 0x0409. Any other layout
/// gets high bits from the text "layout(variant)", or "layout" without a variant: its 32-bit
/// FNV-1a hash over UTF-8, folded to 15 bits, and 1 when that fold is 0. The identifier is thus
/// positive and never KeybCurrent, whose language 0x7FFF is in no table.
KeyboardLayoutId xkbLayoutId(QStringView layout, QStringView variant);

/// The layout that types `language` (the low 16 bits of an identifier): the language's own
/// layout code, or the variant that types it ("ch(fr)" for French in Switzerland; where the
/// table knows such variants by the beginning of their names, that beginning); nothing when no
/// layout in the table types it.
std::optional<XkbLayout> xkbLayoutOfLanguage(quint16 language);

} // namespace lexmint
