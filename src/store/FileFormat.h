#pragma once

#include <QString>

namespace lexmint {

/// What a file is, told from its first bytes before any engine touches it.
enum class FileFormat {
    Missing,  ///< no such file, or not readable
    NotAFile, ///< a folder, a named pipe, a device: nothing to read a vocabulary from
    Empty,    ///< zero bytes long
    Sqlite,   ///< an SQLite database (a vocabulary or some other program's)
    Access,   ///< an Access (Jet or ACE) database, such as an older vocabulary
    Unknown,  ///< anything else
};

/// Looks at the path without opening it, so that a named pipe cannot block the program, and
/// only then at the first bytes of a regular file.
FileFormat detectFileFormat(const QString& path);

/// Why `path` cannot be opened as a vocabulary file, told without opening it: it does not
/// exist, or it is not a regular file. Empty when it is a regular file.
QString whyNotAFile(const QString& path);

} // namespace lexmint
