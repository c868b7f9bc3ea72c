#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QVariantMap>
#include <QWidget>

class QCheckBox;

namespace lexmint {

class HelpService;
class KeyboardBackend;

/// The options of one vocabulary as a reusable panel: three three-state check boxes (case
/// sensitive headwords, accents that answers may leave out, warning on doubled headwords) and
/// a button that chooses the headword and definition keyboard layouts. The panel only holds and
/// shows the values; its host loads them and stores them. A new panel has every box
/// indeterminate and both layouts 0; the frame takes the panel's full width.
class VocOptions : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int CaseSensitive READ caseSensitive WRITE setCaseSensitive)
    Q_PROPERTY(int AccentsOptional READ accentsOptional WRITE setAccentsOptional)
    Q_PROPERTY(int WarnDoubles READ warnDoubles WRITE setWarnDoubles)
    Q_PROPERTY(qint32 KeybHead READ keybHead WRITE setKeybHead)
    Q_PROPERTY(qint32 KeybDef READ keybDef WRITE setKeybDef)
public:
    VocOptions(const KeyboardBackend& keyboards, const HelpService& help,
               QWidget* parent = nullptr);

    /// The check box states: 0 clear, 1 ticked, 2 indeterminate (set only by a host).
    int caseSensitive() const;
    int accentsOptional() const;
    int warnDoubles() const;
    KeyboardLayoutId keybHead() const { return m_keybHead; }
    KeyboardLayoutId keybDef() const { return m_keybDef; }

    void setCaseSensitive(int state);
    void setAccentsOptional(int state);
    void setWarnDoubles(int state);
    void setKeybHead(KeyboardLayoutId layout);
    void setKeybDef(KeyboardLayoutId layout);

    /// The three flags packed as vocabulary flags (bit 0 case sensitive, bit 1 warn on doubles,
    /// bit 2 accents optional); an indeterminate box sets no bit.
    qint32 flags() const;
    /// Sets the check boxes from packed vocabulary flags, each to 1 if its bit is set, else 0.
    void setFlags(qint32 flags);

    /// Restores the five values from a saved state, names compared without regard to case;
    /// a missing value reads as its default (1, 0, 1, 0, 0).
    void restoreState(const QVariantMap& state);
    /// All five values under their names ("CaseSensitive", "AccentsOptional", "WarnDoubles",
    /// "KeybHead", "KeybDef").
    QVariantMap saveState() const;

public slots:
    /// Lets the user choose the two layouts in the keyboard selection dialog, modally.
    void chooseKeyboards();

signals:
    /// A property was set; `name` is the property's name as above.
    void propertyChanged(const QString& name);

private:
    const KeyboardBackend& m_keyboards;
    QCheckBox* m_caseSensitive = nullptr;
    QCheckBox* m_accentsOptional = nullptr;
    QCheckBox* m_warnDoubles = nullptr;
    KeyboardLayoutId m_keybHead = 0;
    KeyboardLayoutId m_keybDef = 0;
};

} // namespace lexmint
