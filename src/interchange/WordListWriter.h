#pragma once

#include "interchange/ExportSettings.h"
#include "interchange/VocabularyEntry.h"

#include <QByteArray>
#include <QList>

namespace lexmint::wordlistwriter {

/// The file content of a word list of the settings' kind, in UTF-8. Delimited files have a
/// title row "Headword", "Definitions" and one row per entry, the definition lines in one
/// field separated by line breaks; a field is quoted only where it must be.
QByteArray write(const QList<VocabularyEntry>& entries, const ExportSettings& settings);

/// Writes the word list to a temporary file beside `path` and renames it into place once it
/// is complete, so that a failure never leaves a partial file under that name.
bool writeFile(const QString& path, const QList<VocabularyEntry>& entries,
               const ExportSettings& settings, QString* error = nullptr);

} // namespace lexmint::wordlistwriter
