#pragma once

#include "interchange/ImportPlan.h"
#include "interchange/ImportReport.h"
#include "store/StoreError.h"

#include <functional>

namespace lexmint {

class Clock;
class Database;

/// Stores the entries of an import plan in a vocabulary, all in one transaction: a
/// cancelled or failed import, or one cut short by a crash, leaves the file as it was.
class VocabularyImporter {
public:
    enum class Outcome { Done, Cancelled, Failed };
    /// Told now and then how many rows are done of how many; returning false cancels.
    using Progress = std::function<bool(qsizetype done, qsizetype total)>;

    VocabularyImporter(Database& db, const Clock& clock);

    /// Adds the plan's accepted entries, treating a headword the vocabulary already holds
    /// (or that an earlier row added) by `rule`. `report` tells what was done, and which rows
    /// were refused: those of the plan, and merges that would exceed the lines an entry holds.
    Outcome run(const ImportPlan& plan, DuplicateRule rule, ImportReport& report,
                const Progress& progress = {}, StoreError* error = nullptr);

private:
    Database& m_db;
    const Clock& m_clock;
};

} // namespace lexmint
