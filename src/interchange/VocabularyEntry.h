#pragma once

#include "store/EntryStatistics.h"

#include <QStringList>

namespace lexmint {

/// An entry of a vocabulary as it is exported: its headword, definition lines and statistics.
struct VocabularyEntry {
    QString headword;
    QStringList lines;
    EntryStatistics statistics;
};

} // namespace lexmint
