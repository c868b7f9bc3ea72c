// The sway backend against a private, headless sway (see sway-run.sh), whose layouts are read
// and switched beside the program through sway's command-line client, as the user's key
// bindings would.

#include "keyboards/sway/SwayKeyboardBackend.h"
#include "keyboards/xkb/XkbLayoutIds.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

const qint32 Us = xkbLayoutId(u"us", {});
const qint32 Czech = xkbLayoutId(u"cz", {});
const qint32 German = xkbLayoutId(u"de", {});

struct Seat {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    auto* seat = static_cast<Seat*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0)
        seat->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        seat->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

// Puts a keyboard with the layouts us, cz and de on the compositor's seat, as plugging one in
// would: a headless sway has none. It stays while the connection `display` is open.
bool addKeyboard(wl_display* display)
{
    Seat seat;
    static constexpr wl_registry_listener Listener{&announced, &withdrawn};
    wl_registry_add_listener(wl_display_get_registry(display), &Listener, &seat);
    wl_display_roundtrip(display);
    if (!seat.seat || !seat.keyboards)
        return false;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", "us,cz,de", "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    // The compositor maps the file; the size counts the closing NUL.
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    const bool written = write(fd, text, size) == ssize_t(size);
    zwp_virtual_keyboard_v1_keymap(
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(seat.keyboards, seat.seat),
        WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    close(fd);
    std::free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return written && wl_display_roundtrip(display) >= 0;
}

QByteArray swaymsg(const QStringList& arguments)
{
    QProcess process;
    process.start(u"swaymsg"_s, arguments);
    process.waitForFinished();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

int desktopLayout()
{
    const QJsonArray inputs =
        QJsonDocument::fromJson(swaymsg({u"-r"_s, u"-t"_s, u"get_inputs"_s})).array();
    return inputs.isEmpty() ? -1 : inputs.first()[u"xkb_active_layout_index"].toInt(-1);
}

} // namespace

class TestSwayKeyboardBackend : public QObject {
    Q_OBJECT
private slots:
    void switchesTheCompositorsLayouts();
};

void TestSwayKeyboardBackend::switchesTheCompositorsLayouts()
{
    const std::unique_ptr<wl_display, void (*)(wl_display*)> display(wl_display_connect(nullptr),
                                                                     wl_display_disconnect);
    QVERIFY(display && addKeyboard(display.get()));
    SwayKeyboardBackend backend(qEnvironmentVariable("SWAYSOCK"));
    QTRY_COMPARE(backend.installedLayouts(), (QList<qint32>{Us, Czech, German}));

    QVERIFY(backend.activate(German));
    QCOMPARE(desktopLayout(), 2);
    // A switch made by the user is seen at once.
    QVERIFY(!swaymsg({u"input"_s, u"type:keyboard"_s, u"xkb_switch_layout"_s, u"1"_s}).isEmpty());
    QCOMPARE(backend.activeLayout(), Czech);
}

QTEST_GUILESS_MAIN(TestSwayKeyboardBackend)
#include "TestSwayKeyboardBackend.moc"
