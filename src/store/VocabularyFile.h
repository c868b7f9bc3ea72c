#pragma once

#include "store/StoreError.h"
#include "store/VocabInfo.h"

#include <QStringList>

#include <optional>

namespace lexmint {

class DataSource;
class Database;
class MessageService;

/// What the program needs to know of a vocabulary file before it shows it.
struct VocabularyLayout {
    QStringList testModes;   ///< saved queries other than "Vocabulary" and "All", in file order
    qint16 headwordSize = 0; ///< declared size of the headword column
};

/// Reading and writing what a vocabulary file holds beside its entries.
namespace vocabularyfile {

inline constexpr auto PropertyErrorTitle = "Property Error";

/// Recognises an open file as a vocabulary: its saved queries include "Vocabulary" and "All",
/// and its tables have the columns the program works with. Reads only.
std::optional<VocabularyLayout> recognise(const Database& db, StoreError* error = nullptr);

/// Opens a file, recognises it, and prepares it for use: brings the search keys up to date
/// and reads the stored options into `info` (creating missing ones with the defaults). Nothing
/// is written into a file that is not recognised. The file is closed again before returning.
std::optional<VocabularyLayout> inspect(const QString& path, VocabInfo& info,
                                        const VocabInfo& defaults, MessageService& messages,
                                        StoreError* error = nullptr);

/// Reads the three stored options into `info`, creating each missing one with the value of
/// `defaults`; any other failure keeps the default and is reported once, as a property error.
void readVocabProperties(Database& db, VocabInfo& info, const VocabInfo& defaults,
                         MessageService& messages);

/// Stores the options of `info` into the file at its path, all three or none.
bool writeVocabProperties(const VocabInfo& info, MessageService& messages);

/// The definition lines of an entry joined with CR LF, read through the Definitions source.
/// An entry without lines is an inconsistency, and a failed read a read error: either is
/// reported, and an empty text returned.
QString getDefinitions(DataSource& definitions, qint64 id, MessageService& messages);

/// Whether a saved query returns at least one row; false also when it cannot be read.
bool queryHasRows(Database& db, const QString& query);

/// How many rows a saved query returns; nothing when it cannot be run.
std::optional<qint64> queryRowCount(const Database& db, const QString& query);

/// Tells the user that the file does not hold what the program expects of it.
void reportInconsistency(MessageService& messages);

/// Tells the user that the file could not be read, and why.
void reportReadError(MessageService& messages, const StoreError& error);

} // namespace vocabularyfile
} // namespace lexmint
