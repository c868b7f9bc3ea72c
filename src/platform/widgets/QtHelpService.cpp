#include "platform/widgets/QtHelpService.h"

#include "help/HelpPopups.h"
#include "help/HelpWindow.h"

#include <QHelpEngine>
#include <QHelpLink>

namespace lexmint {

QtHelpService::QtHelpService(QString programDir, QString userDir)
    : m_programDir(std::move(programDir)), m_userDir(std::move(userDir))
{
}

QtHelpService::~QtHelpService() = default;

QHelpEngine* QtHelpService::engine() const
{
    if (!m_engineOpened) {
        m_engineOpened = true;
        m_engine = openHelpEngine(m_programDir, m_userDir);
    }
    return m_engine.get();
}

bool QtHelpService::isAvailable() const
{
    return engine() != nullptr;
}

HelpWindow& QtHelpService::window()
{
    if (!m_window)
        m_window = std::make_unique<HelpWindow>(engine(), m_programDir);
    return *m_window;
}

void QtHelpService::showContents()
{
    window().showContents();
}

void QtHelpService::showTopic(int context)
{
    const QList<QHelpLink> topics = engine()
        ? engine()->documentsForIdentifier(helppages::contextIdentifier(context))
        : QList<QHelpLink>();
    if (topics.isEmpty())
        window().showContents();
    else
        window().showPage(topics.first().url);
}

QString QtHelpService::popupText(int context) const
{
    if (!m_popups) {
        m_popups.emplace();
        if (QHelpEngine* help = engine())
            *m_popups = parsePopupTexts(help->fileData(helppages::popupPage()));
    }
    return m_popups->value(context);
}

} // namespace lexmint
