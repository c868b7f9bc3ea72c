#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace lexmint {

class KeyboardFocus;

/// One typing context of a window: a widget, with whatever lies inside it (the data sheet's
/// cell editor), in which a layout of the open vocabulary is active while it has the focus.
/// Input methods are told the language of that layout whenever they ask the widget.
/// The window holds it as a member, so that it goes before the widget does.
class TypingContext final : public QObject {
    Q_OBJECT

public:
    /// `layout` is asked on each entry, since the vocabulary and its options may have changed.
    TypingContext(KeyboardFocus& focus, QWidget* area, std::function<KeyboardLayoutId()> layout);
    /// Gives the user's own layout back when the context is in use.
    ~TypingContext() override;

    bool holds(const QWidget* widget) const;
    KeyboardLayoutId layout() const { return m_layout(); }
    /// The layout asked for has changed (the data sheet moved to another column): switches to
    /// it while the context is in use.
    void layoutChanged();
    /// Switches to the context's layout now, also without the focus (a vocabulary has just been
    /// opened); the context is in use until the focus moves elsewhere.
    void switchNow();

signals:
    /// The context is in use; `name` is the catalogue's name of `layout`.
    void entered(KeyboardLayoutId layout, const QString& name);
    void left();

private:
    QPointer<KeyboardFocus> m_focus;
    QWidget* m_area;
    std::function<KeyboardLayoutId()> m_layout;
};

} // namespace lexmint
