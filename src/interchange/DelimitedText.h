#pragma once

#include <QList>
#include <QStringList>

#include <optional>

namespace lexmint {

/// One record of a delimited text: its fields and the line it begins on.
struct TextRecord {
    int line = 0;
    QStringList fields;
};

struct ParsedRecords {
    QList<TextRecord> records;
    /// The line where a quoted field begins that the text never closes; 0 when there is none.
    /// Nothing from that record on is in `records`.
    int unterminatedLine = 0;
};

/// Comma- or otherwise-separated text (RFC 4180): a field in double quotes may hold the
/// separator, line breaks and doubled quotes; a quote inside an unquoted field is an ordinary
/// character. Lines end in CR LF, LF or CR, mixed as they come; empty lines hold no record.
namespace delimitedtext {

/// The records of `text`, whose first line is `firstLine`; at most `maxRecords` (0: all).
ParsedRecords parse(QStringView text, QChar separator, int firstLine = 1, int maxRecords = 0);

/// The separator among tab, comma, semicolon and pipe that splits the first records into the
/// same number of fields, two or more; nothing when none does. A character merely present in
/// a field (the colon of "9:00") never counts.
std::optional<QChar> detectSeparator(QStringView text);

/// The separator a name stands for: "tab", "comma", "semicolon", "space", "pipe", "colon"
/// (in any letter case), or a single character other than a quote or a line break.
std::optional<QChar> separatorNamed(QStringView name);

/// The name of a separator as the dialogs show it, in the user's language.
QString separatorCaption(QChar separator);

/// The field as it is written: in double quotes, with its quotes doubled, only when it holds
/// the separator, a quote or a line break, has blanks at either end or begins with '#'.
QString quoted(const QString& field, QChar separator);

} // namespace delimitedtext
} // namespace lexmint
