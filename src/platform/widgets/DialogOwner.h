#pragma once

#include <QApplication>
#include <QWidget>

namespace lexmint {

/// The window a dialog or message box belongs to: the window of the widget that asks, or,
/// when none asks or it is not on screen, the window the user works in. The window manager
/// keeps a dialog over its owner and gives the keyboard back to the owner when it closes.
inline QWidget* dialogOwner(QObject* asker)
{
    if (auto* widget = qobject_cast<QWidget*>(asker); widget && widget->window()->isVisible())
        return widget->window();
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace lexmint
