#pragma once

#include "interchange/ImportSettings.h"
#include "interchange/SourceTable.h"

namespace lexmint {

/// Flash-card text as read, with what was chosen or found in it.
struct FlashCardText {
    SourceTable table;
    QChar separator;
    bool html = false;      ///< the fields were read as HTML
    bool htmlFound = false; ///< the fields hold markup, whether or not they were read as HTML
};

/// The plain-text export of flash-card programs: optional header lines "#separator:",
/// "#html:" and "#columns:" at the top (other "#key:value" lines are ignored and noted), then
/// delimited records.
namespace flashcardreader {

/// Reads the text. A separator or HTML choice given here overrides the file's header; without
/// either, the separator is detected (tab when nothing fits) and fields are HTML only when the
/// header says so.
FlashCardText read(QStringView text, std::optional<QChar> separator, Choice html);

} // namespace flashcardreader
} // namespace lexmint
