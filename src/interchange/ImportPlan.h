#pragma once

#include "interchange/ImportSettings.h"
#include "interchange/ImportedEntry.h"
#include "interchange/SourceTable.h"
#include "interchange/VocabularyEntry.h"

#include <QByteArray>

namespace lexmint {

/// What importing a word list would store, with every choice made: the settings as given or
/// as found in the file, and each row turned into an entry or refused.
struct ImportPlan {
    FileKind kind = FileKind::Csv;
    QString encoding; ///< of a text file; empty for XML, which names its own
    QChar separator;  ///< of a delimited or flash-card text
    bool header = false;
    bool html = false;
    bool htmlFound = false;
    ColumnMapping mapping;
    QStringList columns;          ///< a title for every column
    QList<ImportedEntry> entries; ///< one per row, accepted or refused, in file order
    QList<RefusedRow> unreadable; ///< parts of the file that give no row
    QStringList notes;            ///< what the file holds that was ignored
    QString error;                ///< why nothing of the file can be imported; empty otherwise
    int errorLine = 0;

    bool ok() const { return error.isEmpty(); }
    qsizetype acceptedCount() const;
    /// The unreadable parts and the refused entries, by line.
    QList<RefusedRow> refusedRows() const;
    /// The accepted entries as they are written to another word list; those without
    /// statistics of their own count as never tested.
    QList<VocabularyEntry> acceptedEntries() const;
};

/// Reads the bytes of a word list named `fileName` as the settings say, leaving open choices
/// to the file, and checks every row against the entry rules for a headword column of
/// `headwordSize` characters (0: no limit).
ImportPlan planImport(const QByteArray& bytes, const QString& fileName,
                      const ImportSettings& settings, int headwordSize);

/// The plan of importing the entries of another vocabulary, with their statistics; the
/// entries' positions, counted from 1, stand for their lines.
ImportPlan planFromEntries(const QList<VocabularyEntry>& entries, int headwordSize);

} // namespace lexmint
