#pragma once

#include <QChar>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace lexmint {

/// The folder separator of the paths the program shows and stores.
inline constexpr QChar PathSeparator = u'/';

/// File-dialog filters for vocabulary files: the program's own, and the older files that it
/// opens alike.
QString vocabularyFilter();
QString olderVocabularyFilter();

/// A path as the program keeps it, so that one file always has one spelling: absolute (a relative
/// path is taken from the current folder) and clean (no "." or ".." parts, no doubled or
/// trailing separators). The empty text, which stands for no file, stays empty.
QString absolutePath(const QString& path);

/// Whether two paths kept by absolutePath() name the same file, with letter case compared as the
/// platform's file systems compare it.
bool samePath(QStringView first, QStringView second);

/// Whether a path kept by absolutePath() lies inside `folder` (at any depth); never inside an
/// empty folder name, which stands for no folder.
bool isInsideFolder(QStringView path, const QString& folder);

/// The 1-based position just after the last occurrence of separator in text, or 1 when
/// separator does not occur.
qsizetype lastPosAfter(QStringView text, QChar separator);

/// The folder part of a path up to and including its last separator; empty when the path has none.
QString dirOfPath(const QString& path);

/// The display title of a vocabulary file: properTitle() of its name without the folder.
QString fileTitle(const QString& path);

/// A file name as a display title: a trailing ".lxm" (any case) dropped, and each piece that
/// starts the name or follows a "-" capitalised, everything else in lower case
/// ("spa-eng.lxm" gives "Spa-Eng", "my words.lxm" gives "My words").
QString properTitle(QStringView name);

} // namespace lexmint
