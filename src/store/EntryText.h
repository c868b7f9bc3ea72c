#pragma once

#include <QList>
#include <QStringList>

namespace lexmint {

/// The definition text as typed into the entry form, turned into the lines of an entry.
namespace entrytext {

/// Splits the text at every line break (CR LF as well as a lone LF or CR), trims blanks at
/// both ends of each line and drops the lines left empty.
QStringList definitionLines(const QString& text);

/// The positions of the lines longer than a definition line may be.
QList<qsizetype> overlongLines(const QStringList& lines);

/// The first characters of a line, as many as a definition line may hold.
QString truncated(const QString& line);

/// Whether there are more lines than an entry can hold.
bool tooManyLines(const QStringList& lines);

} // namespace entrytext
} // namespace lexmint
