#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lexmint {

/// Text decoded from a file's bytes, or why it could not be decoded.
struct DecodedText {
    QString text;
    QString encoding; ///< the encoding used, as the user would name it
    QString error;    ///< empty when the text was decoded
    int errorLine = 0;

    bool ok() const { return error.isEmpty(); }
};

/// Turns the bytes of a text file into text. Bytes that are not valid in the encoding are
/// reported with their line and never replaced, and a file with NUL characters is refused as
/// not being text.
namespace textdecoder {

/// Decodes as `encoding`, any name the converter library knows ("windows-1252", "ISO-8859-2",
/// "UTF-16LE"...). An empty name detects the encoding: UTF-8 or UTF-16 by a byte order mark,
/// UTF-8 without one. A byte order mark is never part of the text.
DecodedText decode(const QByteArray& bytes, const QString& encoding = {});

/// Whether an encoding of that name can be used.
bool isAvailable(const QString& encoding);

/// The encodings offered for choosing: the Unicode ones, then the common Windows, ISO and
/// other legacy code pages.
QStringList offeredEncodings();

} // namespace textdecoder
} // namespace lexmint
