#pragma once

#include "keyboards/widgets/TypingContext.h"

#include <QDialog>

class QLineEdit;

namespace lexmint {

class KeyboardFocus;
class VocabularyHost;

/// Quick find: while the user types, the data sheet jumps to the first entry, in the sheet's
/// order, whose headword begins with the typed text, in any letter case; `*` and `?` typed
/// into the box are wildcards. A text that matches nothing leaves the sheet where it is.
/// Enter closes the window on the entry found; Esc takes the sheet back to the row that was
/// current when the window was made; closing through the window frame leaves the sheet alone.
///
/// While the text box has the focus, the vocabulary's headword layout is active and the status
/// bar names it; the user's own layout comes back when the box loses the focus.
class QuickFindDialog final : public QDialog {
    Q_OBJECT

public:
    /// Remembers the "Vocabulary" source's current row for Esc, and places the window just
    /// inside the top left corner of `parent`'s window.
    QuickFindDialog(VocabularyHost& host, KeyboardFocus& keyboards, QWidget* parent = nullptr);

    /// The position Esc goes back to; -1 when there was no current row.
    int startPosition() const { return m_startPosition; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void findHeadword(const QString& text);
    void returnToStart();

    VocabularyHost& m_host;
    QLineEdit* m_word;
    TypingContext m_keyboard;
    int m_startPosition;
};

} // namespace lexmint
