#pragma once

#include "store/EntryRules.h"

#include <QList>
#include <QStringList>

namespace lexmint {

/// The definition text as typed into the entry form, turned into the lines of an entry.
namespace entrytext {

/// Whether a character ends a line: CR, LF, or the line or paragraph separator.
bool isLineBreak(QChar c);

/// Splits the text at every line break (CR LF as well as a lone LF or CR), trims blanks at
/// both ends of each line and drops the lines left empty.
QStringList definitionLines(const QString& text);

/// The positions of the lines longer than a definition line may be.
QList<qsizetype> overlongLines(const QStringList& lines);

/// The first characters of a text, at most `limit` (by default as many as a definition line
/// may hold); a character is never cut in half.
QString truncated(const QString& text, qsizetype limit = entryrules::MaxDefinitionLength);

/// A text as shown where at most `limit` characters are allowed: cut, and ending in an
/// ellipsis, when it is longer. Text from elsewhere can be megabytes long.
QString shownText(const QString& text, qsizetype limit);

/// Whether there are more lines than an entry can hold.
bool tooManyLines(const QStringList& lines);

} // namespace entrytext
} // namespace lexmint
