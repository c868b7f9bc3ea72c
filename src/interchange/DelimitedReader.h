#pragma once

#include "interchange/ImportSettings.h"
#include "interchange/SourceTable.h"

namespace lexmint::delimitedreader {

/// Whether a record is a row of column titles, such as "Headword;Definitions" or
/// "Front,Back": every field not empty is a title that word lists use.
bool looksLikeHeader(const QStringList& fields);

/// The records of delimited text, whose first line is `firstLine`. The first record gives the
/// column titles when `header` says so, or, automatically, when it looks like titles. A quoted
/// field that is never closed ends the table: its record is reported, nothing after it read.
SourceTable read(QStringView text, QChar separator, Choice header, int firstLine = 1);

} // namespace lexmint::delimitedreader
