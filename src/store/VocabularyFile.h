#pragma once

#include "store/AnswerLog.h"
#include "store/FileSoundness.h"
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
    WriteRefusal refusal;    ///< why the file is to be used read-only, although it is writable
};

/// Reading and writing what a vocabulary file holds beside its entries.
namespace vocabularyfile {

/// The name of a test mode as the windows show it: the modes a new vocabulary brings ("All",
/// "Never Tested", ...) in the user's language, the user's own modes as they are named.
QString testModeCaption(const QString& mode);

/// Recognises an open file as a vocabulary: its saved queries include "Vocabulary" and "All",
/// and its tables have the shape the program works with. Reads only.
std::optional<VocabularyLayout> recognise(const Database& db, StoreError* error = nullptr);

/// Opens a file, recognises it, and prepares it for use: computes missing search keys and line
/// counts that disagree with the lines, adds the tables that record answers where they are
/// missing, computes the memory states that are missing or stale (telling `progress`), and
/// reads the stored options into `info` (creating missing ones with the defaults). Nothing is
/// written into a file that is not recognised or that the layout's refusal keeps read-only: a
/// damaged file, one with triggers of its own, or one that could not be prepared. The file is
/// closed again before returning.
std::optional<VocabularyLayout> inspect(const QString& path, VocabInfo& info,
                                        const VocabInfo& defaults, MessageService& messages,
                                        StoreError* error = nullptr,
                                        const AnswerLog::Progress& progress = {});

/// Reads the three stored options into `info`, creating each missing one with the value of
/// `defaults` where the file may be written (otherwise the default just applies); any other
/// failure keeps the default and is reported once, as a property error.
void readVocabProperties(Database& db, VocabInfo& info, const VocabInfo& defaults,
                         MessageService& messages, bool mayWrite = true);

/// Stores the options of `info` into the open file, all three or none; a file the connection
/// keeps read-only is not written. A failure is reported as a property error.
bool writeVocabProperties(Database& db, const VocabInfo& info, MessageService& messages);
/// The same for the file at the path of `info`, which is opened for it and checked before it is
/// written. A vocabulary kept read-only (see VocabInfo::readOnlyReason) is not written.
bool writeVocabProperties(const VocabInfo& info, MessageService& messages);

/// The definition lines of an entry joined with CR LF, read through the Definitions source.
/// An entry without lines is an inconsistency, and a failed read a read error: either is
/// reported, and an empty text returned.
QString getDefinitions(DataSource& definitions, qint64 id, MessageService& messages);

/// Whether a saved query returns at least one row; false also when it cannot be read. Like
/// every read of a test mode, it runs within a query budget: a mode that goes past it is left
/// out (see leaveOut()).
bool queryHasRows(Database& db, const QString& query, MessageService& messages);

/// How many rows a saved query returns; nothing when it cannot be run or is left out.
std::optional<qint64> queryRowCount(Database& db, const QString& query, MessageService& messages);

/// Takes a test mode that takes too long to read out of use while the file is open, and
/// tells the user the first time.
void leaveOut(Database& db, const QString& mode, MessageService& messages);

/// Tells the user that the file does not hold what the program expects of it.
void reportInconsistency(MessageService& messages);

/// Tells the user that the file could not be read, and why.
void reportReadError(MessageService& messages, const StoreError& error);

} // namespace vocabularyfile
} // namespace lexmint
