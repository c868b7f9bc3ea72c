#pragma once

#include "interchange/ImportSettings.h"
#include "store/EntryStatistics.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace lexmint {

/// A part of a file that gives no entry, and why.
struct RefusedRow {
    int line = 0;
    QString reason;
};

void sortByLine(QList<RefusedRow>& rows);

/// One record of a word list as its file holds it, before any rule is applied.
struct SourceRecord {
    int line = 0; ///< where the record begins in the file
    QStringList fields;
    /// The test statistics the file keeps with each field, where it keeps any.
    QList<std::optional<EntryStatistics>> statistics;
};

/// A word list read from a file as rows of fields, whatever the file's format.
struct SourceTable {
    QStringList columns; ///< a title for each column the file names; may be shorter than a row
    QList<SourceRecord> records;
    QList<RefusedRow> unreadable; ///< parts of the file that give no record
    QStringList notes;            ///< things of the file that were ignored, each said once
    /// How the file's format usually maps its columns, where that is not the general way.
    std::optional<ColumnMapping> usualMapping;
    QString error; ///< why nothing of the file can be read; empty otherwise
    int errorLine = 0;

    bool ok() const { return error.isEmpty(); }
    /// The most fields any record has, or the number of titles when that is more.
    int columnCount() const;
};

} // namespace lexmint
