#pragma once

#include <QString>

namespace lexmint {

/// What a file is, told from its first bytes before any engine touches it.
enum class FileFormat {
    Missing,  ///< no such file, or not readable
    Empty,    ///< zero bytes long
    Sqlite,   ///< an SQLite database (a vocabulary or some other program's)
    Access,   ///< an Access (Jet or ACE) database, such as an older vocabulary
    Unknown,  ///< anything else
};

FileFormat detectFileFormat(const QString& path);

} // namespace lexmint
