#pragma once

#include <QList>
#include <QString>

namespace lexmint {

/// The platform's keyboard layouts. A layout identifier fits in 32 bits, carries a language
/// identifier in its low 16 bits and is never KeybCurrent.
class KeyboardBackend {
public:
    virtual ~KeyboardBackend() = default;

    /// Every installed layout once, in the platform's ring order starting with the active one.
    virtual QList<qint32> installedLayouts() const = 0;
    /// The active layout; KeybCurrent when the platform has none.
    virtual qint32 activeLayout() const = 0;
    /// Makes an installed layout active; false when the platform did not switch.
    virtual bool activate(qint32 layout) = 0;
    /// Whether the desktop lets programs switch layouts at all. Where it does not, no layout is
    /// ever installed as far as the program can tell, and the user switches by hand.
    virtual bool canSwitch() const { return true; }
    /// The platform's own name of an installed layout ("Czech (QWERTY)"), which tells apart
    /// layouts of one language; empty when the platform gives none.
    virtual QString layoutDescription(qint32 layout) const
    {
        Q_UNUSED(layout);
        return {};
    }
};

} // namespace lexmint
