#include "XkbProbe.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace lexmint::test {

XkbProbe::XkbProbe() : m_display(XOpenDisplay(nullptr), XCloseDisplay)
{
    int unused = 0;
    m_hasXTest =
        m_display && XTestQueryExtension(m_display.get(), &unused, &unused, &unused, &unused);
}

int XkbProbe::lockedGroup() const
{
    XkbStateRec state{};
    return XkbGetState(m_display.get(), XkbUseCoreKbd, &state) == Success ? state.locked_group : -1;
}

void XkbProbe::lockGroup(int group)
{
    XkbLockGroup(m_display.get(), XkbUseCoreKbd, unsigned(group));
    XSync(m_display.get(), False);
}

void XkbProbe::pressKeys(const char* keys)
{
    for (; *keys; ++keys) {
        // Latin-1 characters are their own keysyms.
        const KeyCode key = XKeysymToKeycode(m_display.get(), KeySym(*keys));
        XTestFakeKeyEvent(m_display.get(), key, True, CurrentTime);
        XTestFakeKeyEvent(m_display.get(), key, False, CurrentTime);
    }
    XSync(m_display.get(), False);
}

} // namespace lexmint::test
