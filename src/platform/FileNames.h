#pragma once

#include <Qt>

namespace lexmint {

/// How the platform's usual file systems compare file names: the file systems of Windows and
/// macOS take "Words.lxm" and "words.lxm" for one file, the others for two. The one place
/// where the program decides this by platform.
inline constexpr Qt::CaseSensitivity FileNameCase =
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

} // namespace lexmint
