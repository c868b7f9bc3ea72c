#pragma once

#include "keyboards/widgets/TypingContext.h"
#include "platform/widgets/WindowMessages.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lexmint {

class Clock;
class Database;
class KeyboardFocus;
class MessageService;
class VocabularyHost;
struct StoreError;

/// Bits of the entry-form behaviour setting.
namespace entryformbits {
/// The cursor keys and Enter move between the headword and the definition field.
inline constexpr qint16 KeysMove = 1;
/// Enter pressed twice in a row in the definition field submits the entry.
inline constexpr qint16 DoubleEnterSubmits = 2;
} // namespace entryformbits

/// The window that adds, edits and deletes entries ("frmAdd").
///
/// In add mode (no entry ID) it stays open for a series of new entries; in edit mode it shows
/// one entry and saves it as a replacement with a new ID, deletes it, or closes. Every change
/// goes through the main window's open vocabulary, one transaction per entry, and is followed
/// by the main window's refresh. While one of the two fields has the focus, the vocabulary's
/// layout for headwords or for definitions is active. However the form is closed, typed text
/// is dropped only after the "Discard changes?" question.
class EntryForm final : public QDialog {
    Q_OBJECT

public:
    /// Loads the form: empty for a new entry, or with the entry `entryId` (an entry that no
    /// longer exists is reported as an inconsistency, and the form opens empty).
    EntryForm(VocabularyHost& host, MessageService& messages, KeyboardFocus& keyboards,
              const Clock& clock, qint16 entryFormBehaviour, std::optional<qint64> entryId,
              QWidget* parent = nullptr);
    ~EntryForm() override;

    /// The entry being edited; nothing in add mode.
    std::optional<qint64> entryId() const { return m_entryId; }
    /// The behaviour bits that the form's keys follow from now on.
    void setEntryFormBehaviour(qint16 bits) { m_behaviour = bits; }
    /// Whether the form may close: yes when its fields are as loaded, otherwise the user's
    /// answer to the "Discard changes?" question, which the form comes to the front to ask.
    /// No keeps the form, with the focus in the headword field.
    bool mayClose();
    /// Closes the form without asking; its changes are dropped.
    void dismiss();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool isEditMode() const { return m_entryId.has_value(); }
    bool isChanged() const;
    bool warnsDoubles() const;
    void load();
    void submit();
    std::optional<qint64> saveEntry(bool noDuplicateCheck);
    void deleteEntry();
    void closeClicked();
    Database* openDatabase();
    void showVocabularyAt(const QString& headword);
    void badEntry(const QString& text);
    void reportStoreError(const QString& what, const StoreError& error);
    bool headKey(const QKeyEvent& key);
    bool definitionKey(const QKeyEvent& key);
    void fieldEntered(KeyboardLayoutId layout, const QString& name);
    void fieldLeft();
    void paintKeyboardLabel(bool highlighted);

    VocabularyHost& m_host;
    WindowMessages m_messages;
    const Clock& m_clock;
    qint16 m_behaviour;
    const std::optional<qint64> m_entryId;

    QLineEdit* m_head;
    QPlainTextEdit* m_definition;
    QLabel* m_keyboardLabel;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_close;
    TypingContext m_headKeyboard;
    TypingContext m_definitionKeyboard;

    QString m_origHeadword;
    QString m_origDefinition;
    bool m_entryAdded = false;
    /// The question on closing is settled: the changes are saved, gone or to be dropped.
    bool m_dismissed = false;
    int m_lastKey = 0;
    int m_startPosition = -1;
};

} // namespace lexmint
