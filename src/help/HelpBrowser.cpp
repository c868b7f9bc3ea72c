#include "help/HelpBrowser.h"

#include <QHelpEngineCore>

namespace lexmint {

namespace {

bool isHelpUrl(const QUrl& url)
{
    return url.scheme() == u"qthelp";
}

} // namespace

HelpBrowser::HelpBrowser(const QHelpEngineCore* engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int /*type*/, const QUrl& name)
{
    if (m_engine && isHelpUrl(name))
        return m_engine->fileData(name);
    return {};
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    // The manual links only to its own pages; anything else would show an empty page.
    if (m_engine && isHelpUrl(name))
        QTextBrowser::doSetSource(name, type);
}

} // namespace lexmint
