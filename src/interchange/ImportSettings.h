#pragma once

#include "interchange/FileKind.h"

#include <QList>
#include <QString>

#include <optional>

namespace lexmint {

/// What an import does with a headword that the vocabulary already holds (the same text in
/// Unicode normalization form C, letter case included).
enum class DuplicateRule {
    Skip,  ///< the row is not imported
    Add,   ///< the row becomes an entry of its own
    Merge, ///< the row's new definition lines are added to the entry, which keeps its statistics
};

/// A choice that the import can also make by looking at the file.
enum class Choice { Automatic, Yes, No };

/// Which fields of a row make the entry.
struct ColumnMapping {
    int headwordColumn = 0;
    QList<int> definitionColumns; ///< empty: every non-empty column but the headword's
    /// Definition fields are split into lines at this text as well as at line breaks; empty:
    /// at line breaks only.
    QString splitAt;

    friend bool operator==(const ColumnMapping&, const ColumnMapping&) = default;
};

/// How to read a word list. Every choice left open is made from the file.
struct ImportSettings {
    std::optional<FileKind> kind;      ///< nothing: by the extension, else by the content
    QString encoding;                  ///< empty: by the byte order mark, else UTF-8
    std::optional<QChar> separator;    ///< nothing: the one that splits rows consistently
    Choice header = Choice::Automatic; ///< whether the first row holds column titles
    Choice html = Choice::Automatic;   ///< whether flash-card fields are HTML
    // Each part of the column mapping left open is the format's usual one.
    std::optional<int> headwordColumn;
    std::optional<QList<int>> definitionColumns;
    std::optional<QString> splitAt;
    DuplicateRule duplicates = DuplicateRule::Merge;
};

} // namespace lexmint
