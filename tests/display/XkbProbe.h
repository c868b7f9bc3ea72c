#pragma once

#include <memory>

typedef struct _XDisplay Display; // as Xlib declares it, without its macros

namespace lexmint::test {

/// A connection of its own to the X server, as another program on the desktop has: it reads
/// the keyboard's locked XKB group from the server and presses keys as the keyboard does.
class XkbProbe {
public:
    /// Connects to $DISPLAY; isOpen() tells whether that worked and XTest is there.
    XkbProbe();

    bool isOpen() const { return m_display != nullptr && m_hasXTest; }
    int lockedGroup() const;
    void lockGroup(int group);
    /// Presses and releases, one after the other, the keys that type `keys` (ASCII) in the
    /// first group, whatever group is locked when they arrive.
    void pressKeys(const char* keys);

private:
    std::unique_ptr<Display, int (*)(Display*)> m_display;
    bool m_hasXTest = false;
};

} // namespace lexmint::test
