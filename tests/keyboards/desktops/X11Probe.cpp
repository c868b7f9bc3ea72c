#include "X11Probe.h"

#include <QProcess>
#include <QWidget>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace lexmint::test {

using namespace Qt::StringLiterals;

X11Probe::X11Probe()
    : m_layoutsSet(QProcess::execute(u"setxkbmap"_s, {u"-layout"_s, u"us,cz,de"_s}) == 0),
      m_display(XOpenDisplay(nullptr), XCloseDisplay)
{
    int unused = 0;
    m_hasXTest =
        m_display && XTestQueryExtension(m_display.get(), &unused, &unused, &unused, &unused);
}

bool X11Probe::isReady() const
{
    return m_layoutsSet && m_hasXTest;
}

int X11Probe::activeLayout() const
{
    XkbStateRec state{};
    return XkbGetState(m_display.get(), XkbUseCoreKbd, &state) == Success ? state.locked_group : -1;
}

bool X11Probe::switchLayout(int index)
{
    const bool locked = XkbLockGroup(m_display.get(), XkbUseCoreKbd, unsigned(index));
    XSync(m_display.get(), False);
    return locked;
}

void X11Probe::pressKeys(const char* keys)
{
    // Latin-1 characters are their own keysyms.
    for (; *keys; ++keys) {
        const KeyCode key = XKeysymToKeycode(m_display.get(), KeySym(*keys));
        XTestFakeKeyEvent(m_display.get(), key, True, CurrentTime);
        XTestFakeKeyEvent(m_display.get(), key, False, CurrentTime);
    }
    XSync(m_display.get(), False);
}

bool X11Probe::hasFocus(const QWidget& window) const
{
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(m_display.get(), &focus, &revertTo);
    return focus == window.winId();
}

} // namespace lexmint::test
