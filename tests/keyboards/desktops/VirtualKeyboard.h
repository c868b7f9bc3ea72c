#pragma once

#include <cstdint>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct xkb_context;
struct xkb_keymap;
struct org_kde_kwin_fake_input;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace lexmint::test {

/// A keyboard of its own on the Wayland compositor at $WAYLAND_DISPLAY, as a hardware keyboard
/// would be: it presses keys by key code, so that the compositor's active layout decides what
/// they type. Where the compositor offers the virtual-keyboard protocol (sway), the keyboard
/// brings the keymap of the given XKB layouts; KWin instead takes fake key presses into its own
/// keymap, which must have the same layouts.
class VirtualKeyboard {
public:
    /// Adds a keyboard with the layouts `layouts` ("us,cz") to the compositor's seat.
    explicit VirtualKeyboard(const char* layouts);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    /// Whether the keyboard is on the seat.
    bool isReady() const { return m_keyboard != nullptr || m_fakeInput != nullptr; }
    /// Presses and releases, one after the other, the keys that type `keys` (ASCII) in the
    /// first layout, whatever layout is active when they arrive; returns once the compositor
    /// has taken them.
    void pressKeys(const char* keys);

private:
    static void announced(void* self, wl_registry* registry, uint32_t name, const char* interface,
                          uint32_t version);
    static void withdrawn(void*, wl_registry*, uint32_t) {}
    bool uploadKeymap();
    uint32_t keyCodeOf(char character) const;
    void sendKey(uint32_t code, bool pressed);

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    zwp_virtual_keyboard_manager_v1* m_manager = nullptr;
    zwp_virtual_keyboard_v1* m_keyboard = nullptr;
    org_kde_kwin_fake_input* m_fakeInput = nullptr;
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    uint32_t m_time = 0;
};

} // namespace lexmint::test
