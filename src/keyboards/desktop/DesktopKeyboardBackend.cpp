#include "keyboards/desktop/DesktopKeyboardBackend.h"

#include "keyboards/NoKeyboardBackend.h"
#include "keyboards/kde/KdeKeyboardBackend.h"
#include "keyboards/sway/SwayKeyboardBackend.h"
#include "keyboards/x11/XkbKeyboardBackend.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {

Display* x11Display()
{
    // Qt offers the X11 interface on other platforms as well, without a display behind it.
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

KeyboardDesktop forcedDesktop(const KeyboardSession& session)
{
    if (session.forced == u"xkb")
        return session.x11Display ? KeyboardDesktop::Xkb : KeyboardDesktop::None;
    if (session.forced == u"kde")
        return KeyboardDesktop::Kde;
    if (session.forced == u"sway")
        return session.swaySocket.isEmpty() ? KeyboardDesktop::None : KeyboardDesktop::Sway;
    return KeyboardDesktop::None;
}

} // namespace

KeyboardDesktop chooseKeyboardDesktop(const KeyboardSession& session)
{
    if (!session.forced.isEmpty())
        return forcedDesktop(session);
    if (session.platform == u"xcb" && session.x11Display) {
        if (session.kdeService)
            return KeyboardDesktop::Kde;
        // Under Xwayland the compositor owns the keyboard and would undo a switch made on the
        // X server.
        return session.swaySocket.isEmpty() ? KeyboardDesktop::Xkb : KeyboardDesktop::Sway;
    }
    if (session.platform.startsWith(u"wayland")) {
        if (session.kdeService || session.currentDesktop.split(u':').contains(u"KDE"))
            return KeyboardDesktop::Kde;
        if (!session.swaySocket.isEmpty())
            return KeyboardDesktop::Sway;
    }
    return KeyboardDesktop::None;
}

KeyboardSession currentKeyboardSession()
{
    KeyboardSession session;
    session.platform = QGuiApplication::platformName();
    session.x11Display = x11Display() != nullptr;
    // Only a desktop session has a session bus worth asking.
    const bool desktop = session.platform == u"xcb" || session.platform.startsWith(u"wayland");
    session.kdeService =
        desktop && KdeKeyboardBackend::serviceIsRegistered(QDBusConnection::sessionBus());
    session.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    session.swaySocket = qEnvironmentVariable("SWAYSOCK");
    session.forced = qEnvironmentVariable("LEXMINT_KEYBOARD_BACKEND").trimmed().toLower();
    return session;
}

std::unique_ptr<KeyboardBackend> makeDesktopKeyboardBackend()
{
    const KeyboardSession session = currentKeyboardSession();
    switch (chooseKeyboardDesktop(session)) {
    case KeyboardDesktop::Xkb: return std::make_unique<XkbKeyboardBackend>(x11Display());
    case KeyboardDesktop::Kde:
        return std::make_unique<KdeKeyboardBackend>(QDBusConnection::sessionBus());
    case KeyboardDesktop::Sway: return std::make_unique<SwayKeyboardBackend>(session.swaySocket);
    case KeyboardDesktop::None: break;
    }
    return std::make_unique<NoKeyboardBackend>();
}

} // namespace lexmint
