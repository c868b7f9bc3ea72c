#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QString>

namespace lexmint {

/// Option bits of a vocabulary.
namespace vocabflags {
inline constexpr qint32 CaseSensitive = 1;
inline constexpr qint32 WarnDoubles = 2;
/// An answer that leaves out accents of the headword is right; older files have it clear.
inline constexpr qint32 AccentsOptional = 4;
} // namespace vocabflags

/// Describes a vocabulary: the open one, or (keyboards and flags only) the options that a
/// vocabulary gets when its file lacks them. An empty path means that none is open.
struct VocabInfo {
    QString path;
    qint16 headwordSize = 0;
    qint32 entryCount = 0;
    KeyboardLayoutId keybHead = KeybCurrent;
    KeyboardLayoutId keybDef = KeybCurrent;
    qint32 flags = vocabflags::WarnDoubles;
    /// Why the program keeps the open vocabulary read-only although its file could be written
    /// (a damaged file, say); empty when it does not.
    QString readOnlyReason = {};
};

} // namespace lexmint
