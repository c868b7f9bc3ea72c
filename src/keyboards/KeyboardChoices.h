#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QList>
#include <QString>

namespace lexmint {

class KeyboardBackend;

/// The rows of a keyboard selection list: "no particular layout" first, then every installed
/// layout once in the platform's order, starting with the active one.
struct KeyboardChoices {
    /// The layout of each row; row 0 is KeybCurrent.
    QList<KeyboardLayoutId> layouts;
    /// The text of each row: the layout's catalogue name; where several installed layouts share
    /// one name, each of them also carries the platform's own name so that they can be told apart.
    QStringList names;
    /// The rows holding the current headword and definition choices; 0 when a choice is
    /// KeybCurrent or no longer installed.
    int headRow = 0;
    int defRow = 0;
};

/// Lists the installed layouts for choosing, with the rows of the current choices `head` and
/// `def`. Leaves the active layout as it is.
KeyboardChoices installedKeyboardChoices(const KeyboardBackend& backend, KeyboardLayoutId head,
                                         KeyboardLayoutId def);

} // namespace lexmint
