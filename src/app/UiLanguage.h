#pragma once

#include <QLocale>

class QCoreApplication;

namespace lexmint {

/// Installs the program's translation and Qt's own (standard buttons and dialogs) for the first
/// of the locale's user-interface languages that the program is translated into. English, or a
/// language without a translation, leaves the English texts. Returns whether a translation was
/// installed; the translators belong to `application`.
bool installUiLanguage(QCoreApplication& application, const QLocale& locale = QLocale::system());

} // namespace lexmint
