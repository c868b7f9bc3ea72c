#pragma once

#include "keyboards/KeyboardContext.h"

#include <QList>
#include <QObject>

class QWidget;

namespace lexmint {

class KeyboardSwitcher;
class TypingContext;

/// Switches the keyboard layout as the focus moves through the program's typing contexts: to
/// the layout of the context that gets the focus, and back to the user's own layout when the
/// focus leaves it, for a widget outside every context, for another program, or because the
/// program ends. One context is in use at a time, and it is always left before the next one is
/// entered: both happen in one step once Qt has settled the focus, whatever order the focus
/// events of the two widgets came in. A menu that pops up over a context keeps its layout.
class KeyboardFocus final : public QObject {
    Q_OBJECT

public:
    explicit KeyboardFocus(KeyboardSwitcher& switcher);
    /// Gives the user's own layout back.
    ~KeyboardFocus() override;

    /// Gives the user's own layout back, as when the program ends, also where a context is in
    /// use without the focus (the data sheet after a vocabulary was opened).
    void restore() { leave(); }

signals:
    /// The name of the layout of the context in use, for the status bar; empty when none is.
    void labelChanged(const QString& name);

private:
    friend class TypingContext;
    void add(TypingContext* context);
    void remove(TypingContext* context);
    /// Makes `context` the one in use (leaving another first) and switches to its layout.
    void enter(TypingContext* context);
    void leave();
    /// Makes the context that holds `now` the one in use; none when no context holds it (also
    /// when the program lost the focus).
    void focusChanged(QWidget* now);
    bool isInUse(const TypingContext* context) const { return m_inUse == context; }

    KeyboardContext m_layout;
    QList<TypingContext*> m_contexts;
    TypingContext* m_inUse = nullptr;
};

} // namespace lexmint
