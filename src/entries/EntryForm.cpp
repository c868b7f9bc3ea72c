#include "entries/EntryForm.h"

#include "entries/CharacterLimit.h"
#include "entries/VocabularyHost.h"
#include "keyboards/KeyboardCatalogue.h"
#include "platform/MessageService.h"
#include "platform/widgets/EnterKey.h"
#include "platform/widgets/Twips.h"
#include "store/Criteria.h"
#include "store/EntryRules.h"
#include "store/EntryText.h"
#include "store/EntryWriter.h"
#include "store/VocabInfo.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lexmint {

namespace {

constexpr int EnterCode = 13;
QString keyboardLabelTip()
{
    return EntryForm::tr("Active keyboard in the current context");
}

QString headwordCriteria(const QString& op, const QString& headword)
{
    return QStringLiteral("Headword %1 \"%2\"").arg(op, quoteForCriteria(headword));
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter acts on the focused button only; the form has no default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

EntryForm::EntryForm(VocabularyHost& host, MessageService& messages, KeyboardFocus& keyboards,
                     const Clock& clock, qint16 entryFormBehaviour, std::optional<qint64> entryId,
                     QWidget* parent)
    : QDialog(parent),
      m_host(host),
      m_messages(messages, this),
      m_clock(clock),
      m_behaviour(entryFormBehaviour),
      m_entryId(entryId),
      m_head(new QLineEdit(this)),
      m_definition(new QPlainTextEdit(this)),
      m_keyboardLabel(new QLabel(this)),
      m_add(makeButton(QStringLiteral("cmdAdd"), tr("Add"), this)),
      m_delete(makeButton(QStringLiteral("cmdDel"), tr("Delete"), this)),
      m_close(makeButton(QStringLiteral("cmdClose"), tr("Close"), this)),
      m_headKeyboard(keyboards, m_head, [&host] { return host.currentVocabulary().keybHead; }),
      m_definitionKeyboard(keyboards, m_definition,
                           [&host] { return host.currentVocabulary().keybDef; })
{
    setObjectName(QStringLiteral("frmAdd"));
    ContextHelp::setContext(this, helpcontext::EntryForm);
    setWindowTitle(tr("Add New Entry"));

    m_head->setObjectName(QStringLiteral("txtHead"));
    m_head->setToolTip(tr("Enter the foreign word/phrase here"));
    m_head->setPlaceholderText(tr("Headword"));
    m_head->setAccessibleName(tr("Headword"));
    m_definition->setObjectName(QStringLiteral("txtDef"));
    m_definition->setToolTip(tr("Enter the definition of the above word/phrase here"));
    m_definition->setPlaceholderText(tr("Definitions, one per line"));
    m_definition->setAccessibleName(tr("Definitions"));
    m_definition->setTabChangesFocus(true);
    m_keyboardLabel->setObjectName(QStringLiteral("lblKeyboard"));
    m_keyboardLabel->setToolTip(keyboardLabelTip());
    m_keyboardLabel->setAccessibleName(keyboardLabelTip());
    m_keyboardLabel->setAlignment(Qt::AlignCenter);
    m_keyboardLabel->setAutoFillBackground(true);
    m_keyboardLabel->setMinimumWidth(
        m_keyboardLabel->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")));
    paintKeyboardLabel(false);
    m_delete->hide();

    // The buttons stand in one row from the left, so that Close takes the place of the hidden
    // Delete button in add mode and stands beside it, one gap further, in edit mode.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_close);
    buttons->addStretch();
    buttons->addWidget(m_keyboardLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_head);
    layout->addWidget(m_definition, 1);
    layout->addLayout(buttons);
    resize(twipsToPixelsX(5400, this), twipsToPixelsY(3600, this));

    m_head->installEventFilter(this);
    m_definition->installEventFilter(this);
    connect(m_add, &QPushButton::clicked, this, &EntryForm::submit);
    connect(m_delete, &QPushButton::clicked, this, &EntryForm::deleteEntry);
    connect(m_close, &QPushButton::clicked, this, &EntryForm::closeClicked);
    for (const TypingContext* field : {&m_headKeyboard, &m_definitionKeyboard}) {
        connect(field, &TypingContext::entered, this, &EntryForm::fieldEntered);
        connect(field, &TypingContext::left, this, &EntryForm::fieldLeft);
    }

    load();
    m_head->setFocus();
}

EntryForm::~EntryForm()
{
    // Destroying the fields moves the focus away after this object's members are gone.
    m_head->removeEventFilter(this);
    m_definition->removeEventFilter(this);
}

void EntryForm::load()
{
    const qint16 headwordSize = m_host.currentVocabulary().headwordSize;
    if (headwordSize > 0)
        m_head->setValidator(new CharacterLimit(headwordSize, m_head));
    m_startPosition = m_host.sources().vocabulary().absolutePosition();
    if (!isEditMode())
        return;

    m_add->setText(tr("OK"));
    m_close->setText(tr("Cancel"));
    m_delete->show();
    DataSource& headwords = m_host.sources().headwords();
    headwords.clearReadError();
    if (!headwords.findFirst(QStringLiteral("ID = %1").arg(*m_entryId))) {
        // A failed read is reported by the sources' owner with its cause; only an entry that
        // is not there is an inconsistency.
        if (!headwords.readError())
            vocabularyfile::reportInconsistency(m_messages);
        return;
    }
    const QString headword = headwords.value(QStringLiteral("Headword")).toString();
    setWindowTitle(tr("%1 - Edit Entry").arg(headword));
    m_head->setText(headword);
    m_definition->setPlainText(
        vocabularyfile::getDefinitions(m_host.sources().definitions(), *m_entryId, m_messages));
    m_origHeadword = m_head->text();
    m_origDefinition = m_definition->toPlainText();
}

bool EntryForm::isChanged() const
{
    return m_head->text() != m_origHeadword || m_definition->toPlainText() != m_origDefinition;
}

bool EntryForm::warnsDoubles() const
{
    return (m_host.currentVocabulary().flags & vocabflags::WarnDoubles) != 0;
}

void EntryForm::submit()
{
    if (!isEditMode()) {
        if (!isChanged()) {
            badEntry(tr("Please enter a headword and a definition"));
            return;
        }
        if (saveEntry(!warnsDoubles())) {
            m_entryAdded = true;
            m_host.dataRefresh();
            showVocabularyAt(m_head->text());
            m_host.contextUpdate();
            m_head->clear();
            m_definition->clear();
            m_lastKey = 0;
        }
        m_head->setFocus();
        return;
    }

    if (!isChanged()) {
        dismiss();
        return;
    }
    if (!saveEntry(m_head->text() == m_origHeadword || !warnsDoubles())) {
        m_head->setFocus();
        return;
    }
    m_host.dataRefresh();
    showVocabularyAt(m_head->text());
    m_host.contextUpdate();
    dismiss();
}

std::optional<qint64> EntryForm::saveEntry(bool noDuplicateCheck)
{
    QStringList lines = entrytext::definitionLines(m_definition->toPlainText());
    if (entrytext::tooManyLines(lines)) {
        badEntry(tr("An entry can have at most %1 definition lines.")
                     .arg(entryrules::MaxDefinitionLines));
        return std::nullopt;
    }
    for (const qsizetype line : entrytext::overlongLines(lines)) {
        const QString cut = entrytext::truncated(lines.at(line));
        const MessageAnswer answer = m_messages.show(
            {tr("Truncate the definition to \"%1\" ?").arg(cut), tr("Definition Too Long"),
             MessageIcon::Question, MessageButtons::YesNo});
        if (answer != MessageAnswer::Yes)
            return std::nullopt;
        lines[line] = cut;
    }
    const QString headword = m_head->text();
    if (entryrules::isBlank(headword)) {
        badEntry(tr("Please enter a headword!"));
        return std::nullopt;
    }
    if (lines.isEmpty()) {
        badEntry(tr("Please enter a definition!"));
        return std::nullopt;
    }
    DataSource& headwords = m_host.sources().headwords();
    headwords.clearReadError();
    const bool duplicate =
        !noDuplicateCheck && headwords.findFirst(headwordCriteria(QStringLiteral("="), headword));
    // A check that could not read the file has not found the headword unique.
    if (headwords.readError())
        return std::nullopt;
    if (duplicate) {
        const MessageAnswer answer = m_messages.show(
            {tr("Create new entry?"), tr("Headword \"%1\" already in the vocabulary").arg(headword),
             MessageIcon::Question, MessageButtons::OkCancel});
        if (answer != MessageAnswer::Ok)
            return std::nullopt;
    }

    Database* db = openDatabase();
    if (!db)
        return std::nullopt;
    EntryWriter writer(*db, m_clock);
    StoreError error;
    if (!isEditMode()) {
        const std::optional<qint64> id = writer.addEntry(headword, lines, &error);
        if (!id)
            reportStoreError(tr("The entry was not saved."), error);
        return id;
    }
    // The replacement takes over the statistics the entry has when it is written, so that
    // answers given in a test while the form was open are kept.
    const std::optional<EntryWriter::Replacement> replacement =
        writer.replaceEntry(*m_entryId, headword, lines, &error);
    if (!replacement) {
        reportStoreError(tr("The changes were not saved."), error);
        return std::nullopt;
    }
    if (replacement->previousMissing)
        vocabularyfile::reportInconsistency(m_messages);
    return replacement->newId;
}

void EntryForm::deleteEntry()
{
    DataSource& vocabulary = m_host.sources().vocabulary();
    const QVariant shownId = vocabulary.value(QStringLiteral("ID"));
    Database* db = openDatabase();
    if (!db)
        return;
    StoreError error;
    if (!EntryWriter(*db, m_clock).deleteEntry(*m_entryId, &error)) {
        if (error.kind != StoreError::Kind::RowMissing) {
            reportStoreError(tr("The entry was not deleted."), error);
            return;
        }
        vocabularyfile::reportInconsistency(m_messages);
    }
    m_host.dataRefresh();
    if (shownId.isValid() && shownId.toLongLong() == *m_entryId) {
        // The main window showed the deleted entry: it moves on to the next entry, or back to
        // the one before when the deleted entry was the last.
        if (!vocabulary.findFirst(headwordCriteria(QStringLiteral(">="), m_origHeadword)))
            vocabulary.findLast(headwordCriteria(QStringLiteral("<"), m_origHeadword));
    } else if (shownId.isValid()) {
        vocabulary.findFirst(QStringLiteral("ID = %1").arg(shownId.toLongLong()));
    }
    m_host.showVocabularyCurrent();
    m_host.contextUpdate();
    dismiss();
}

bool EntryForm::mayClose()
{
    if (!isChanged())
        return true;
    if (isMinimized())
        showNormal();
    raise();
    const MessageAnswer answer = m_messages.show(
        {tr("Discard changes?"),
         isEditMode() ? tr("Cancel Edit Confirmation") : tr("Cancel Add Confirmation"),
         MessageIcon::Question, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes)
        return true;
    m_head->setFocus();
    return false;
}

void EntryForm::dismiss()
{
    m_dismissed = true;
    close();
}

void EntryForm::closeClicked()
{
    if (!mayClose())
        return;
    if (!m_entryAdded && m_startPosition >= 0
        && m_host.sources().vocabulary().setAbsolutePosition(m_startPosition))
        m_host.showVocabularyCurrent();
    dismiss();
}

void EntryForm::closeEvent(QCloseEvent* event)
{
    // The close box asks as Cancel does, but leaves the main window where it is.
    if (!m_dismissed && !mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

Database* EntryForm::openDatabase()
{
    Database* db = m_host.sources().database();
    if (db && db->isOpen())
        return db;
    m_messages.show({tr("No vocabulary is open, so nothing was changed."), QString(),
                     MessageIcon::Exclamation, MessageButtons::Ok});
    return nullptr;
}

void EntryForm::showVocabularyAt(const QString& headword)
{
    m_host.sources().vocabulary().findFirst(headwordCriteria(QStringLiteral("="), headword));
    m_host.showVocabularyCurrent();
}

void EntryForm::badEntry(const QString& text)
{
    m_messages.show({text, tr("Bad Entry"), MessageIcon::Exclamation, MessageButtons::Ok});
}

void EntryForm::reportStoreError(const QString& what, const StoreError& error)
{
    m_messages.show({what + QStringLiteral("\r\n") + error.description,
                     error.kind == StoreError::Kind::InvalidValue ? tr("Bad Entry") : QString(),
                     MessageIcon::Exclamation, MessageButtons::Ok});
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool head = watched == m_head;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (head ? headKey(key) : definitionKey(key))
            return true;
        break;
    }
    case QEvent::InputMethod:
        // Text composed in an input method is typed too, so that Enter after it is a first one.
        if (const QString text = static_cast<QInputMethodEvent*>(event)->commitString();
            !head && !text.isEmpty())
            m_lastKey = text.back().unicode();
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

bool EntryForm::headKey(const QKeyEvent& key)
{
    if (!(m_behaviour & entryformbits::KeysMove) || !(key.key() == Qt::Key_Down || isEnter(key)))
        return false;
    m_definition->setFocus(Qt::OtherFocusReason);
    return true;
}

bool EntryForm::definitionKey(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Up && (m_behaviour & entryformbits::KeysMove)) {
        const qsizetype firstBreak = m_definition->toPlainText().indexOf(u'\n');
        if (firstBreak < 0 || m_definition->textCursor().position() <= firstBreak) {
            m_head->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    }
    if (isEnter(key) && (m_behaviour & entryformbits::DoubleEnterSubmits)
        && m_lastKey == EnterCode) {
        // The first Enter has already broken the line; the empty line it left is dropped.
        m_lastKey = 0;
        submit();
        return true;
    }
    // Only keys that type a character count, as a line break or as text.
    if (isEnter(key))
        m_lastKey = EnterCode;
    else if (!key.text().isEmpty())
        m_lastKey = key.text().at(0).unicode();
    return false;
}

void EntryForm::keyPressEvent(QKeyEvent* event)
{
    // Esc is the Close button, question included, never a silent reject.
    if (event->matches(QKeySequence::Cancel)) {
        closeClicked();
        return;
    }
    if (isEnter(*event)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void EntryForm::fieldEntered(KeyboardLayoutId layout, const QString& name)
{
    // The label is narrow: it shows the layout's short name, the tool tip the full one.
    m_keyboardLabel->setText(keyboardShortName(layout));
    m_keyboardLabel->setToolTip(keyboardLabelTip() + QStringLiteral(": ") + name);
    paintKeyboardLabel(layout != KeybCurrent);
}

void EntryForm::fieldLeft()
{
    m_keyboardLabel->clear();
    m_keyboardLabel->setToolTip(keyboardLabelTip());
    paintKeyboardLabel(false);
}

void EntryForm::paintKeyboardLabel(bool highlighted)
{
    // Highlight colours while a particular layout is active; otherwise plain text on a
    // neutral ground.
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     colours.color(highlighted ? QPalette::Highlight : QPalette::Button));
    colours.setColor(QPalette::WindowText,
                     colours.color(highlighted ? QPalette::HighlightedText : QPalette::WindowText));
    m_keyboardLabel->setPalette(colours);
}

} // namespace lexmint
