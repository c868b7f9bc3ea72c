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

#include <cstring>
#include <vector>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

const qint32 Us = xkbLayoutId(u"us", {});
const qint32 Czech = xkbLayoutId(u"cz", {});
const qint32 German = xkbLayoutId(u"de", {});

// The client-side objects of the Wayland connection, freed before it closes.
struct Proxies {
    std::vector<wl_proxy*> all;
    ~Proxies()
    {
        for (wl_proxy* proxy : all)
            wl_proxy_destroy(proxy);
    }
    template <typename T>
    T* keep(T* proxy)
    {
        if (proxy)
            all.push_back(reinterpret_cast<wl_proxy*>(proxy));
        return proxy;
    }
};

// Puts a keyboard on the compositor's seat, as plugging one in would: a headless sway has none.
// The keyboard takes the compositor's layouts, and stays while the connection `display` is open.
bool addKeyboard(wl_display* display, Proxies& proxies)
{
    struct Seat {
        Proxies* proxies;
        wl_seat* seat = nullptr;
        zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
    } found{&proxies};
    static constexpr wl_registry_listener Listener{
        [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
            auto* seat = static_cast<Seat*>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0)
                seat->seat = seat->proxies->keep(
                    static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1)));
            else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
                seat->keyboards = seat->proxies->keep(
                    static_cast<zwp_virtual_keyboard_manager_v1*>(wl_registry_bind(
                        registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1)));
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry_add_listener(proxies.keep(wl_display_get_registry(display)), &Listener, &found);
    if (wl_display_roundtrip(display) < 0 || !found.seat || !found.keyboards)
        return false;
    proxies.keep(
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(found.keyboards, found.seat));
    return wl_display_roundtrip(display) >= 0;
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
    Proxies proxies;
    QVERIFY(display && addKeyboard(display.get(), proxies));
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
