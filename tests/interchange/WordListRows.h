#pragma once

#include "interchange/ImportPlan.h"
#include "interchange/VocabularyEntry.h"

#include <QStringList>

namespace lexmint::test {

/// Entries as the word-list tests compare them: "headword | line | line".
inline QString entryRow(const QString& headword, const QStringList& lines)
{
    return (QStringList{headword} + lines).join(QStringLiteral(" | "));
}

inline QStringList entryRows(const QList<VocabularyEntry>& entries)
{
    QStringList rows;
    for (const VocabularyEntry& entry : entries)
        rows.append(entryRow(entry.headword, entry.lines));
    return rows;
}

/// The entries a plan would store.
inline QStringList acceptedRows(const ImportPlan& plan)
{
    return entryRows(plan.acceptedEntries());
}

} // namespace lexmint::test
