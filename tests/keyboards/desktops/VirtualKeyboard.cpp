#include "VirtualKeyboard.h"

#include "fake-input-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace lexmint::test {

void VirtualKeyboard::announced(void* self, wl_registry* registry, uint32_t name,
                                const char* interface, uint32_t version)
{
    auto* keyboard = static_cast<VirtualKeyboard*>(self);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !keyboard->m_seat)
        keyboard->m_seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        keyboard->m_manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        keyboard->m_fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

VirtualKeyboard::VirtualKeyboard(const char* layouts)
    : m_display(wl_display_connect(nullptr)), m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
{
    if (!m_display || !m_context)
        return;
    const xkb_rule_names names{"evdev", "pc105", layouts, "", ""};
    m_keymap = xkb_keymap_new_from_names(m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    m_registry = wl_display_get_registry(m_display);
    static constexpr wl_registry_listener Listener{&announced, &withdrawn};
    wl_registry_add_listener(m_registry, &Listener, this);
    wl_display_roundtrip(m_display);
    if (!m_keymap || !m_seat)
        return;
    if (!m_manager) {
        if (m_fakeInput)
            org_kde_kwin_fake_input_authenticate(m_fakeInput, "Lex Mint tests", "typing test keys");
        return;
    }
    if (m_fakeInput) {
        org_kde_kwin_fake_input_destroy(m_fakeInput);
        m_fakeInput = nullptr;
    }
    m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_manager, m_seat);
    if (!uploadKeymap() || wl_display_roundtrip(m_display) < 0) {
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
        m_keyboard = nullptr;
    }
}

VirtualKeyboard::~VirtualKeyboard()
{
    if (m_keyboard)
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
    if (m_manager)
        zwp_virtual_keyboard_manager_v1_destroy(m_manager);
    if (m_fakeInput)
        org_kde_kwin_fake_input_destroy(m_fakeInput);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

bool VirtualKeyboard::uploadKeymap()
{
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(m_keymap, XKB_KEYMAP_FORMAT_TEXT_V1), &std::free);
    if (!text)
        return false;
    // The compositor maps the file; the size counts the closing NUL.
    const size_t size = std::strlen(text.get()) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = write(fd, text.get(), size) == ssize_t(size);
    if (written)
        zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       uint32_t(size));
    close(fd);
    return written;
}

uint32_t VirtualKeyboard::keyCodeOf(char character) const
{
    const xkb_keysym_t wanted = xkb_utf32_to_keysym(uint32_t(character));
    for (xkb_keycode_t code = xkb_keymap_min_keycode(m_keymap);
         code <= xkb_keymap_max_keycode(m_keymap); ++code) {
        const xkb_keysym_t* symbols = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(m_keymap, code, 0, 0, &symbols);
        for (int i = 0; i < count; ++i)
            if (symbols[i] == wanted)
                return code;
    }
    return 0;
}

void VirtualKeyboard::sendKey(uint32_t code, bool pressed)
{
    // Key events carry evdev codes, which are XKB codes less 8.
    const uint32_t state = pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED;
    if (m_keyboard)
        zwp_virtual_keyboard_v1_key(m_keyboard, ++m_time, code - 8, state);
    else
        org_kde_kwin_fake_input_keyboard_key(m_fakeInput, code - 8, state);
}

void VirtualKeyboard::pressKeys(const char* keys)
{
    for (; *keys; ++keys) {
        if (const uint32_t code = keyCodeOf(*keys)) {
            sendKey(code, true);
            sendKey(code, false);
        }
    }
    wl_display_roundtrip(m_display);
}

} // namespace lexmint::test
