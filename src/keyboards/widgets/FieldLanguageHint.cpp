#include "keyboards/widgets/FieldLanguageHint.h"

#include "keyboards/KeyboardCatalogue.h"

#include <QCoreApplication>
#include <QInputMethodQueryEvent>
#include <QWidget>

#include <utility>

namespace lexmint {

FieldLanguageHint::FieldLanguageHint(QWidget* field, std::function<KeyboardLayoutId()> layout)
    : QObject(field), m_layout(std::move(layout))
{
}

void FieldLanguageHint::install(QWidget* field, std::function<KeyboardLayoutId()> layout)
{
    field->installEventFilter(new FieldLanguageHint(field, std::move(layout)));
}

bool FieldLanguageHint::eventFilter(QObject* watched, QEvent* event)
{
    if (m_asking || event->type() != QEvent::InputMethodQuery)
        return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    if (!(query->queries() & Qt::ImPreferredLanguage))
        return false;
    const QString language = keyboardLanguage(m_layout());
    if (language.isEmpty())
        return false;
    // The field answers everything first (it would answer the language with nothing), then
    // the language is put in.
    m_asking = true;
    QCoreApplication::sendEvent(watched, query);
    m_asking = false;
    query->setValue(Qt::ImPreferredLanguage, language);
    return true;
}

} // namespace lexmint
