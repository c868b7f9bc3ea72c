#include "keyboards/desktop/DesktopKeyboardBackend.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lexmint::KeyboardDesktop)
Q_DECLARE_METATYPE(lexmint::KeyboardSession)

// Each row names only the parts of the session that matter to it.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

class TestDesktopKeyboardBackend : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
};

void TestDesktopKeyboardBackend::choice_data()
{
    QTest::addColumn<KeyboardSession>("session");
    QTest::addColumn<KeyboardDesktop>("expected");

    const QString sock = u"/run/user/1000/sway-ipc.sock"_s;
    using enum KeyboardDesktop;
    QTest::newRow("X11") << KeyboardSession{.platform = u"xcb"_s, .x11Display = true} << Xkb;
    QTest::newRow("X11, Plasma manages the layouts")
        << KeyboardSession{.platform = u"xcb"_s, .x11Display = true, .kdeService = true} << Kde;
    // Plasma's service comes up only once a second layout is configured.
    QTest::newRow("Plasma on Wayland, one layout")
        << KeyboardSession{.platform = u"wayland"_s, .currentDesktop = u"KDE"_s} << Kde;
    QTest::newRow("sway") << KeyboardSession{.platform = u"wayland"_s, .swaySocket = sock} << Sway;
    QTest::newRow("X11 program under sway")
        << KeyboardSession{.platform = u"xcb"_s, .x11Display = true, .swaySocket = sock} << Sway;
    QTest::newRow("GNOME on Wayland")
        << KeyboardSession{.platform = u"wayland"_s, .currentDesktop = u"ubuntu:GNOME"_s} << None;
    QTest::newRow("forced xkb, no display")
        << KeyboardSession{.platform = u"wayland"_s, .forced = u"xkb"_s} << None;
    QTest::newRow("forced kde on X11")
        << KeyboardSession{.platform = u"xcb"_s, .x11Display = true, .forced = u"kde"_s} << Kde;
}

void TestDesktopKeyboardBackend::choice()
{
    QFETCH(KeyboardSession, session);
    QTEST(chooseKeyboardDesktop(session), "expected");
}

QTEST_GUILESS_MAIN(TestDesktopKeyboardBackend)
#include "TestDesktopKeyboardBackend.moc"
