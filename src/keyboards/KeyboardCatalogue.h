#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QString>
#include <QStringView>

#include <span>

namespace lexmint {

/// One language known by name. A layout identifier's low 16 bits are such a language
/// identifier; its high bits tell layouts of one language apart and play no part in naming.
struct KeyboardEntry {
    quint16 language;
    const char* name; ///< in English; keyboardName() gives it in the user's language
};

/// Every known language, in strictly ascending order of identifier.
std::span<const KeyboardEntry> keyboardCatalogue();

/// The display name of a layout, from the low 16 bits of its identifier; "Unknown" when the
/// language is not in the catalogue.
QString keyboardName(qint32 layout);

/// The short name of a layout for narrow places ("de"), as desktops show it in their panels;
/// empty for KeybCurrent and where no known keyboard layout types the language.
QString keyboardShortName(qint32 layout);

/// The language a layout types, as a BCP 47 tag for input methods ("cs-CZ"), from the low 16
/// bits of its identifier; empty for KeybCurrent and where no known keyboard layout types the
/// language.
QString keyboardLanguage(qint32 layout);

} // namespace lexmint
