#pragma once

#include <QKeyEvent>

namespace lexmint {

/// Whether `key` is Enter, from the main keyboard or the keypad.
inline bool isEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace lexmint
