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
    QStringView name;
};

/// Every known language, in strictly ascending order of identifier.
std::span<const KeyboardEntry> keyboardCatalogue();

/// The display name of a layout, from the low 16 bits of its identifier; "Unknown" when the
/// language is not in the catalogue.
QString keyboardName(qint32 layout);

} // namespace lexmint
