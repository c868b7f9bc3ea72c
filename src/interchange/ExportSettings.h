#pragma once

#include "interchange/FileKind.h"

#include <QString>

namespace lexmint {

/// How a word list is written.
struct ExportSettings {
    FileKind kind = FileKind::Csv;
    QChar separator = u',';     ///< between the fields of a CSV file
    bool byteOrderMark = false; ///< a CSV file starts with one, as spreadsheet programs need
    QString title;              ///< the vocabulary's title, for formats that keep one
};

} // namespace lexmint
