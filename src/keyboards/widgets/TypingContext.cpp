#include "keyboards/widgets/TypingContext.h"

#include "keyboards/widgets/FieldLanguageHint.h"
#include "keyboards/widgets/KeyboardFocus.h"

#include <QWidget>

namespace lexmint {

TypingContext::TypingContext(KeyboardFocus& focus, QWidget* area,
                             std::function<KeyboardLayoutId()> layout)
    : m_focus(&focus), m_area(area), m_layout(std::move(layout))
{
    focus.add(this);
    FieldLanguageHint::install(area, m_layout);
}

TypingContext::~TypingContext()
{
    if (m_focus)
        m_focus->remove(this);
}

bool TypingContext::holds(const QWidget* widget) const
{
    return widget && (widget == m_area || m_area->isAncestorOf(widget));
}

void TypingContext::layoutChanged()
{
    if (m_focus && m_focus->isInUse(this))
        m_focus->enter(this);
}

void TypingContext::switchNow()
{
    if (m_focus)
        m_focus->enter(this);
}

} // namespace lexmint
