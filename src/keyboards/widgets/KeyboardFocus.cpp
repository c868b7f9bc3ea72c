#include "keyboards/widgets/KeyboardFocus.h"

#include "keyboards/widgets/TypingContext.h"

#include <QApplication>
#include <QMenuBar>

#include <algorithm>
#include <utility>

namespace lexmint {

namespace {

// A menu has the focus only while it is open; the keys after it go back where they came from.
bool isMenu(const QWidget* widget)
{
    return widget->window()->windowType() == Qt::Popup || qobject_cast<const QMenuBar*>(widget);
}

} // namespace

KeyboardFocus::KeyboardFocus(KeyboardSwitcher& switcher) : m_layout(switcher)
{
    // Qt tells of the change once the focus events of both widgets have been delivered; when
    // the program loses the focus, the new focus widget is none.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

KeyboardFocus::~KeyboardFocus()
{
    m_layout.leave();
}

void KeyboardFocus::add(TypingContext* context)
{
    m_contexts.append(context);
}

void KeyboardFocus::remove(TypingContext* context)
{
    // The context's window is going away: the layout comes back without a word to it.
    if (isInUse(context)) {
        m_inUse = nullptr;
        m_layout.leave();
        emit labelChanged(QString());
    }
    m_contexts.removeOne(context);
}

void KeyboardFocus::focusChanged(QWidget* now)
{
    if (now && isMenu(now))
        return;
    const auto found = std::ranges::find_if(
        m_contexts, [now](const TypingContext* context) { return context->holds(now); });
    TypingContext* context = found == m_contexts.end() ? nullptr : *found;
    if (context == m_inUse)
        return;
    if (context)
        enter(context);
    else
        leave();
}

void KeyboardFocus::enter(TypingContext* context)
{
    if (!isInUse(context))
        leave();
    m_inUse = context;
    const KeyboardLayoutId layout = context->layout();
    const QString name = m_layout.enter(layout);
    emit context->entered(layout, name);
    emit labelChanged(name);
}

void KeyboardFocus::leave()
{
    TypingContext* context = std::exchange(m_inUse, nullptr);
    if (!context)
        return;
    m_layout.leave();
    emit context->left();
    emit labelChanged(QString());
}

} // namespace lexmint
