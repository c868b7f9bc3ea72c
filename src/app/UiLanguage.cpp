#include "app/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace lexmint {

using namespace Qt::StringLiterals;

bool installUiLanguage(QCoreApplication& application, const QLocale& locale)
{
    // The languages in the user's order of preference ("de-AT", "de", "fr"); the English source
    // texts need no translation, so an earlier English ends the search.
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == u"C" || language.startsWith(u"en"))
            return false;
        auto program = std::make_unique<QTranslator>(&application);
        // "lexmint_de_AT" falls back to "lexmint_de" when there is no Austrian translation.
        if (!program->load(u"lexmint_"_s + language, u":/i18n"_s))
            continue;
        auto qt = std::make_unique<QTranslator>(&application);
        if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.release());
        QCoreApplication::installTranslator(program.release());
        return true;
    }
    return false;
}

} // namespace lexmint
