#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lexmint {

/// The kinds of file that word lists are read from and written to, told by their extension.
enum class FileKind {
    Vocabulary, ///< .lxm, a vocabulary of this program
    Csv,        ///< .csv, comma- or otherwise-separated text
    Tsv,        ///< .tsv, tab-separated text
    FlashCard,  ///< .txt, the plain-text export of flash-card programs
    Kvtml,      ///< .kvtml, the XML vocabulary format of other drill programs
};

/// The kind of a file by its extension, in any letter case; nothing for any other.
std::optional<FileKind> fileKindOf(const QString& path);

/// The kind of a word list told from its first bytes, for a file whose extension says nothing:
/// XML is KVTML, a first line such as "#separator:tab" a flash-card text, anything else CSV.
FileKind sniffFileKind(const QByteArray& head);

/// The extension of a kind, such as "csv".
QString fileKindSuffix(FileKind kind);

/// The file dialog filter of a word-list kind, such as "CSV file (*.csv)"; empty for a
/// vocabulary, which the vocabulary dialogs offer in their own way.
QString fileKindFilter(FileKind kind);

/// The kinds a word list can be exported to, in the order the save dialog offers them.
const QList<FileKind>& exportKinds();

} // namespace lexmint
