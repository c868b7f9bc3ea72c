#pragma once

#include "interchange/SourceTable.h"

#include <QByteArray>

namespace lexmint::kvtmlreader {

/// Reads a KVTML 2.0 file: one column per identifier (titled by its name, else its locale),
/// one record per entry with each translation's text in its identifier's column and the
/// translation's grade as its statistics. A file with a single identifier gets a second
/// column, "Comment", with the translations' comments. The first column is the headword, the
/// second the definitions, split at "; " unless they are comments. The XML is read as it stands: a
/// file that declares entities or refers to undeclared ones is refused, and nothing is ever
/// fetched.
SourceTable read(const QByteArray& bytes);

} // namespace lexmint::kvtmlreader
