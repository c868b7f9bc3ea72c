#pragma once

#include <QList>
#include <QPointer>

#include <optional>

class QWidget;

namespace lexmint {

class Clock;
class EntryForm;
class KeyboardFocus;
class MessageService;
class VocabularyHost;

/// Opens entry forms for the main window and keeps track of them: any number of add forms,
/// and at most one edit form per entry.
class EntryForms {
public:
    enum class Mode {
        FromMainWindow, ///< modeless; a second request for an entry brings its form to the front
        FromTest,       ///< modal; returns when the form is closed
    };

    /// The forms opened from the main window are windows of `parentWindow` (the main window).
    EntryForms(VocabularyHost& host, MessageService& messages, KeyboardFocus& keyboards,
               const Clock& clock, qint16 entryFormBehaviour, QWidget* parentWindow);
    ~EntryForms();
    EntryForms(const EntryForms&) = delete;
    EntryForms& operator=(const EntryForms&) = delete;

    /// The behaviour bits that the open forms follow from their next key press, and the forms
    /// opened from now on.
    void setEntryFormBehaviour(qint16 bits);

    /// Opens a form for a new entry (no ID) or for editing the entry `id`. When the entry is
    /// already open in a form, a request from the main window brings that form to the front,
    /// and a request from a test only tells the user so. `requester` is the window of a test
    /// that asks: the form, or the message, belongs to it.
    void show(std::optional<qint64> id, Mode mode, QWidget* requester = nullptr);

    /// The forms that are open, oldest first.
    QList<EntryForm*> openForms() const;
    /// Whether every open form may close, before the vocabulary they work on goes: each form
    /// that holds changes asks its "Discard changes?" question. The first No keeps that form
    /// and gives false; nothing is closed here.
    bool mayCloseAll();
    /// Closes every open form without asking; their changes are dropped.
    void closeAll();

private:
    VocabularyHost& m_host;
    MessageService& m_messages;
    KeyboardFocus& m_keyboards;
    const Clock& m_clock;
    qint16 m_behaviour;
    QWidget* m_parentWindow;
    QList<QPointer<EntryForm>> m_forms;
};

} // namespace lexmint
