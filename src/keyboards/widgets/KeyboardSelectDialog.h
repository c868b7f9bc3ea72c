#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace lexmint {

class KeyboardBackend;

/// Chooses the headword and the definition keyboard layouts among the installed ones, each
/// list opening on the current choice. The caller reads the choices after the dialog was
/// accepted; Cancel, Esc and the close box discard them. Enter chooses neither button.
class KeyboardSelectDialog : public QDialog {
    Q_OBJECT
public:
    KeyboardSelectDialog(const KeyboardBackend& keyboards, KeyboardLayoutId head,
                         KeyboardLayoutId def, QWidget* parent = nullptr);

    /// The layouts of the selected rows; KeybCurrent for the first row.
    KeyboardLayoutId chosenHead() const;
    KeyboardLayoutId chosenDef() const;

private:
    KeyboardLayoutId layoutAt(const QComboBox* list) const;

    QList<KeyboardLayoutId> m_layouts;
    QComboBox* m_head = nullptr;
    QComboBox* m_def = nullptr;
};

} // namespace lexmint
