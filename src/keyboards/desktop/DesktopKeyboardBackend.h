#pragma once

#include "keyboards/KeyboardBackend.h"

#include <QString>

#include <memory>

namespace lexmint {

/// The kinds of desktop whose layouts the program can switch, and None for the rest.
enum class KeyboardDesktop { None, Xkb, Kde, Sway };

/// What the session offers, as far as choosing a keyboard backend goes.
struct KeyboardSession {
    /// Qt's platform: "xcb", "wayland", "offscreen"...
    QString platform;
    /// Whether Qt runs on an X11 display it can talk to.
    bool x11Display = false;
    /// Whether Plasma's keyboard service is on the session bus.
    bool kdeService = false;
    /// $XDG_CURRENT_DESKTOP, a colon-separated list such as "KDE".
    QString currentDesktop;
    /// $SWAYSOCK: the socket of a compositor that speaks sway's IPC.
    QString swaySocket;
    /// $LEXMINT_KEYBOARD_BACKEND: "xkb", "kde", "sway" or "none" forces that backend.
    QString forced;
};

/// The backend for `session`. On X11 the server's layouts, unless Plasma manages them through
/// its service (it would otherwise undo a switch behind the program's back) or the X server is
/// sway's Xwayland. On Wayland the
/// compositor's: Plasma's service (also when it is not there yet, on a Plasma desktop with one
/// layout configured, since it comes up once a second layout is added), or sway's IPC.
/// Anything else has no layouts to switch. A forced backend that the session cannot serve is
/// None.
KeyboardDesktop chooseKeyboardDesktop(const KeyboardSession& session);

/// The session the program runs in now.
KeyboardSession currentKeyboardSession();

/// The layouts of the desktop the program runs on, chosen by chooseKeyboardDesktop().
std::unique_ptr<KeyboardBackend> makeDesktopKeyboardBackend();

} // namespace lexmint
