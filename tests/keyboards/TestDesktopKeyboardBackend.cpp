#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "platform/KeyboardLayoutId.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lexmint::KeyboardDesktop)

class TestDesktopKeyboardBackend : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void offscreenHasNoLayouts();
};

void TestDesktopKeyboardBackend::choice_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("x11Display");
    QTest::addColumn<bool>("kdeService");
    QTest::addColumn<QString>("currentDesktop");
    QTest::addColumn<QString>("swaySocket");
    QTest::addColumn<QString>("forced");
    QTest::addColumn<KeyboardDesktop>("expected");

    const QString sock = u"/run/user/1000/sway-ipc.sock"_s;
    using enum KeyboardDesktop;
    QTest::newRow("X11") << u"xcb"_s << true << false << u"XFCE"_s << QString() << QString() << Xkb;
    QTest::newRow("X11, Plasma manages the layouts")
        << u"xcb"_s << true << true << u"KDE"_s << QString() << QString() << Kde;
    QTest::newRow("X11 platform without a display")
        << u"xcb"_s << false << false << QString() << QString() << QString() << None;
    // The service comes up only once a second layout is configured.
    QTest::newRow("Plasma on Wayland, one layout")
        << u"wayland"_s << false << false << u"KDE"_s << QString() << QString() << Kde;
    QTest::newRow("sway") << u"wayland"_s << false << false << u"sway"_s << sock << QString()
                          << Sway;
    QTest::newRow("GNOME on Wayland")
        << u"wayland"_s << false << false << u"ubuntu:GNOME"_s << QString() << QString() << None;
    QTest::newRow("X11 program under sway")
        << u"xcb"_s << true << false << u"sway"_s << sock << QString() << Sway;
    QTest::newRow("offscreen") << u"offscreen"_s << false << false << QString() << sock << QString()
                               << None;
    QTest::newRow("forced sway, no socket")
        << u"wayland"_s << false << false << QString() << QString() << u"sway"_s << None;
    QTest::newRow("forced xkb, no display")
        << u"wayland"_s << false << false << QString() << QString() << u"xkb"_s << None;
    QTest::newRow("forced kde on X11")
        << u"xcb"_s << true << false << QString() << QString() << u"kde"_s << Kde;
    QTest::newRow("forced, unknown name")
        << u"xcb"_s << true << false << QString() << QString() << u"gnome"_s << None;
}

void TestDesktopKeyboardBackend::choice()
{
    KeyboardSession session;
    QFETCH(QString, platform);
    QFETCH(bool, x11Display);
    QFETCH(bool, kdeService);
    QFETCH(QString, currentDesktop);
    QFETCH(QString, swaySocket);
    QFETCH(QString, forced);
    session = {platform, x11Display, kdeService, currentDesktop, swaySocket, forced};
    QTEST(chooseKeyboardDesktop(session), "expected");
}

void TestDesktopKeyboardBackend::offscreenHasNoLayouts()
{
    // Qt offers its X11 interface here too, but without a display to talk to.
    const auto backend = makeDesktopKeyboardBackend();
    QVERIFY(backend->installedLayouts().isEmpty());
    QCOMPARE(backend->activeLayout(), KeybCurrent);
}

QTEST_MAIN(TestDesktopKeyboardBackend)
#include "TestDesktopKeyboardBackend.moc"
