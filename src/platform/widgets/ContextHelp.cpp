#include "platform/widgets/ContextHelp.h"

#include "platform/HelpService.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWhatsThis>
#include <QWidget>

namespace lexmint {

namespace {

constexpr char ContextProperty[] = "lexmintHelpContext";

} // namespace

ContextHelp::ContextHelp(HelpService& help, QObject* parent) : QObject(parent), m_help(help)
{
    qApp->installEventFilter(this);
}

ContextHelp::~ContextHelp()
{
    qApp->removeEventFilter(this);
}

void ContextHelp::setContext(QWidget* widget, int context)
{
    widget->setProperty(ContextProperty, context);
}

int ContextHelp::contextOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const int context = widget->property(ContextProperty).toInt(); context > 0)
            return context;
        if (widget->isWindow())
            break;
    }
    return 0;
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::WhatsThis)) {
        QWhatsThis::enterWhatsThisMode();
        return true;
    }
    if (!key->matches(QKeySequence::HelpContents))
        return false;
    if (const int context = contextOf(static_cast<QWidget*>(watched)); context > 0)
        m_help.showTopic(context);
    else
        m_help.showContents();
    return true;
}

} // namespace lexmint
