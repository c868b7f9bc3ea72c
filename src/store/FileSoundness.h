#pragma once

#include <QString>
#include <QStringList>

namespace lexmint {

class Database;

/// Why the program keeps a vocabulary file read-only although the file itself could be
/// written; an empty refusal lets it write.
struct WriteRefusal {
    enum class Cause {
        None,
        Damaged,         ///< the engine finds the file's structure broken
        ForeignTriggers, ///< the file runs code of its own on the program's writes
        Unprepared,      ///< the file could not be made ready for use (a full disk, say)
    };

    Cause cause = Cause::None;
    QStringList triggers; ///< the foreign triggers, by name
    QString detail;       ///< for Unprepared: the reason

    explicit operator bool() const { return cause != Cause::None; }
    /// The reason in the user's words, as every refused write gives it.
    QString reason() const;
};

/// Checks of a vocabulary file before anything is written into it.
namespace filesoundness {

/// Whether the file was cut short in the middle of a page, as a file broken off while it was
/// copied or downloaded is. Looks at the file's size only.
bool isCutShort(const Database& db);

/// Whether the engine finds the file damaged: cut short, or with broken pages or tables.
/// Reads the whole file once.
bool isDamaged(const Database& db);

/// The file's triggers that are not the program's own, by name, in the file's order. A
/// trigger is the program's own when its definition is one of the template's.
QStringList foreignTriggers(const Database& db);

/// What opening checks, at next to no cost: a file cut short, then foreign triggers.
WriteRefusal checkAtOpen(const Database& db);

/// The check of a whole file before its first write (see Database::checkBeforeFirstWrite):
/// the reason not to write into a damaged file, or nothing.
QString damageBeforeFirstWrite(const Database& db);

} // namespace filesoundness
} // namespace lexmint
