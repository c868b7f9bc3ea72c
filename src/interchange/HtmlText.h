#pragma once

#include <QString>

namespace lexmint {

/// The markup that flash-card programs put into their fields.
namespace htmltext {

/// Whether a text holds line-break or block tags, closing tags or character references.
bool looksLikeHtml(QStringView text);

/// The text a field shows: <br>, <div>, <p> and <li> boundaries become line breaks, other
/// tags are removed, character references are decoded, and line breaks of the source are
/// blanks, as in a browser.
QString toPlainText(const QString& html);

} // namespace htmltext
} // namespace lexmint
