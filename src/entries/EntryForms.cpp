#include "entries/EntryForms.h"

#include "entries/EntryForm.h"
#include "platform/MessageService.h"
#include "platform/widgets/WindowMessages.h"

#include <algorithm>

#include <QCoreApplication>

namespace lexmint {

EntryForms::EntryForms(VocabularyHost& host, MessageService& messages, KeyboardFocus& keyboards,
                       const Clock& clock, qint16 entryFormBehaviour, QWidget* parentWindow)
    : m_host(host),
      m_messages(messages),
      m_keyboards(keyboards),
      m_clock(clock),
      m_behaviour(entryFormBehaviour),
      m_parentWindow(parentWindow)
{
}

EntryForms::~EntryForms()
{
    // Deleted rather than closed: the main window that the forms report to is going away.
    for (EntryForm* form : openForms())
        delete form;
}

QList<EntryForm*> EntryForms::openForms() const
{
    QList<EntryForm*> forms;
    for (const QPointer<EntryForm>& form : m_forms) {
        // A closed form is only waiting to be deleted.
        if (form && form->isVisible())
            forms.append(form);
    }
    return forms;
}

void EntryForms::setEntryFormBehaviour(qint16 bits)
{
    m_behaviour = bits;
    for (EntryForm* form : openForms())
        form->setEntryFormBehaviour(bits);
}

void EntryForms::show(std::optional<qint64> id, Mode mode, QWidget* requester)
{
    QWidget* owner = requester ? requester : m_parentWindow;
    m_forms.removeAll(nullptr);
    EntryForm* open = nullptr;
    if (id) {
        for (EntryForm* form : openForms()) {
            if (form->entryId() == id)
                open = form;
        }
    }
    if (!open) {
        auto* form =
            new EntryForm(m_host, m_messages, m_keyboards, m_clock, m_behaviour, id, owner);
        form->setAttribute(Qt::WA_DeleteOnClose);
        m_forms.append(form);
        if (mode == Mode::FromTest)
            form->exec();
        else
            form->show();
        return;
    }
    if (mode == Mode::FromTest) {
        WindowMessages(m_messages, owner)
            .show({QCoreApplication::translate(
                       "lexmint::EntryForms",
                       "The headword is being edited in another window.\r\n"
                       "Please make your changes after you've finished testing."),
                   QString(), MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    if (open->isMinimized())
        open->showNormal();
    open->raise();
    open->activateWindow();
}

bool EntryForms::mayCloseAll()
{
    const QList<EntryForm*> forms = openForms();
    return std::all_of(forms.cbegin(), forms.cend(),
                       [](EntryForm* form) { return form->mayClose(); });
}

void EntryForms::closeAll()
{
    for (EntryForm* form : openForms())
        form->dismiss();
}

} // namespace lexmint
