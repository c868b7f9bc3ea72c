#pragma once

#include "interchange/VocabularyEntry.h"

#include <QByteArray>
#include <QList>

namespace lexmint::kvtmlwriter {

/// A KVTML 2.0 document with two identifiers, the headwords and their definitions (the lines
/// joined with "; "), all entries in one lesson named by the title, and the statistics of a
/// tested entry as the grade of its headword.
QByteArray write(const QList<VocabularyEntry>& entries, const QString& title);

} // namespace lexmint::kvtmlwriter
