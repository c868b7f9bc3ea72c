#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QObject>

#include <functional>

class QWidget;

namespace lexmint {

/// Tells input methods (IBus, Fcitx, on-screen keyboards) which language a text field is typed
/// in: the language of the keyboard layout the field switches to. This helps on every desktop,
/// also where the program cannot switch the layout itself.
class FieldLanguageHint final : public QObject {
public:
    /// Answers for `field`, which owns the hint. `layout` gives the field's layout when asked,
    /// so that a change of the vocabulary's options counts at once. Input methods ask even while
    /// the field's window hides in its destructor, so `layout` must not reach into that window.
    static void install(QWidget* field, std::function<KeyboardLayoutId()> layout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldLanguageHint(QWidget* field, std::function<KeyboardLayoutId()> layout);

    std::function<KeyboardLayoutId()> m_layout;
    bool m_asking = false;
};

} // namespace lexmint
