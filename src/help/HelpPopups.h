#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace lexmint {

/// The pop-up texts of a help page, by context number: the contents (as XHTML, without the
/// element itself) of every element whose id is "popup-" followed by the number. Reading stops
/// at the first error of the page's XML; what was read before it is kept.
QHash<int, QString> parsePopupTexts(const QByteArray& xhtml);

} // namespace lexmint
