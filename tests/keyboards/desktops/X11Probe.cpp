#include "X11Probe.h"

#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace lexmint::test {

using namespace Qt::StringLiterals;

X11Probe::X11Probe()
    : m_layoutsSet(QProcess::execute(u"setxkbmap"_s, {u"-layout"_s, u"us,cz,de,ru"_s}) == 0),
      m_display(XOpenDisplay(nullptr), XCloseDisplay)
{
    int unused = 0;
    m_hasXTest =
        m_display && XTestQueryExtension(m_display.get(), &unused, &unused, &unused, &unused);
}

X11Probe::~X11Probe()
{
    if (m_window)
        XDestroyWindow(m_display.get(), m_window);
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

QString X11Probe::layoutNames() const
{
    XkbDescPtr keymap = XkbAllocKeyboard();
    QStringList names;
    if (keymap && XkbGetControls(m_display.get(), XkbGroupsWrapMask, keymap) == Success
        && XkbGetNames(m_display.get(), XkbGroupNamesMask, keymap) == Success) {
        for (int group = 0; group < keymap->ctrls->num_groups; ++group) {
            char* name = XGetAtomName(m_display.get(), keymap->names->groups[group]);
            names.append(QString::fromUtf8(name));
            XFree(name);
        }
    }
    if (keymap)
        XkbFreeKeyboard(keymap, XkbAllComponentsMask, True);
    return names.join(u',');
}

void X11Probe::pressKeys(const char* keys)
{
    // Latin-1 characters are their own keysyms.
    for (; *keys; ++keys)
        press(KeySym(*keys));
}

void X11Probe::pressKey(const char* name)
{
    press(XStringToKeysym(name));
}

void X11Probe::press(unsigned long keysym)
{
    const KeyCode key = XKeysymToKeycode(m_display.get(), keysym);
    XTestFakeKeyEvent(m_display.get(), key, True, CurrentTime);
    XTestFakeKeyEvent(m_display.get(), key, False, CurrentTime);
    XSync(m_display.get(), False);
}

bool X11Probe::hasFocus(const QWidget& window) const
{
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(m_display.get(), &focus, &revertTo);
    return focus == window.winId();
}

bool X11Probe::hasWindowManager() const
{
    Display* display = m_display.get();
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &remaining, &data)
            == Success
        && type == XA_WINDOW && count == 1;
    XFree(data);
    return found;
}

unsigned long X11Probe::focusedWindow() const
{
    Window window = None;
    int revert = 0;
    XGetInputFocus(m_display.get(), &window, &revert);
    return window;
}

void X11Probe::takeFocus()
{
    Display* display = m_display.get();
    if (!m_window) {
        // Outside the window manager's care, so that it is on screen as soon as it is mapped.
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        m_window =
            XCreateWindow(display, DefaultRootWindow(display), 0, 0, 16, 16, 0, CopyFromParent,
                          InputOutput, nullptr, CWOverrideRedirect, &attributes);
        XMapRaised(display, m_window);
    }
    giveFocus(m_window);
}

void X11Probe::giveFocus(unsigned long window)
{
    XSetInputFocus(m_display.get(), window, RevertToPointerRoot, CurrentTime);
    XSync(m_display.get(), False);
}

} // namespace lexmint::test
