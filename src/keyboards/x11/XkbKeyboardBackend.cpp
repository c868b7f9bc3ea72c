#include "keyboards/x11/XkbKeyboardBackend.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <memory>

// Xlib last: its macros (None, Bool, Status...) would clash with Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lexmint {

namespace {

struct KeymapDeleter {
    void operator()(XkbDescPtr keymap) const
    {
        XkbFreeKeyboard(keymap, XkbAllComponentsMask, True);
    }
};
using Keymap = std::unique_ptr<XkbDescRec, KeymapDeleter>;

struct XDeleter {
    void operator()(void* data) const { XFree(data); }
};

// The layout codes and variants the keymap was made from. The root window property
// _XKB_RULES_NAMES holds the rules, the model, the layouts, the variants and the options, each
// ended by a NUL; layouts and variants are comma separated, one per group.
struct RulesNames {
    QStringList layouts;
    QStringList variants;
};

RulesNames rulesNames(Display* display)
{
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long length = 0;
    unsigned long remaining = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING,
                           &type, &format, &length, &remaining, &raw)
        != Success)
        return {};
    const std::unique_ptr<unsigned char, XDeleter> data(raw);
    if (!data || type != XA_STRING || format != 8)
        return {};
    const QStringList fields =
        QString::fromLatin1(reinterpret_cast<const char*>(data.get()), qsizetype(length))
            .split(QChar(0));
    return {fields.value(2).split(u','), fields.value(3).split(u',')};
}

} // namespace

XkbKeyboardBackend::XkbKeyboardBackend(Display* display) : m_display(display) {}

XkbGroupBackend::Groups XkbKeyboardBackend::groups() const
{
    const Keymap keymap(XkbAllocKeyboard());
    if (!keymap || XkbGetControls(m_display, XkbGroupsWrapMask, keymap.get()) != Success)
        return {};
    const int count = std::clamp(int(keymap->ctrls->num_groups), 0, XkbNumKbdGroups);
    const RulesNames names = rulesNames(m_display);
    Groups now;
    for (int group = 0; group < count; ++group)
        now.groups.append(Group{{names.layouts.value(group), names.variants.value(group)}, {}});
    now.active = lockedGroup();
    return now;
}

int XkbKeyboardBackend::lockedGroup() const
{
    XkbStateRec state{};
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
        return -1;
    return state.locked_group;
}

bool XkbKeyboardBackend::activateGroup(int index)
{
    if (!XkbLockGroup(m_display, XkbUseCoreKbd, unsigned(index)))
        return false;
    // The state query waits for the server's answer, which comes after it has locked the
    // group: no key press can arrive in the old layout once this returns.
    return lockedGroup() == index;
}

} // namespace lexmint
