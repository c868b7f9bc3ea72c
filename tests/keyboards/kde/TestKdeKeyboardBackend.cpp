// The KDE Plasma backend against a stand-in for Plasma's keyboard service on a private session
// bus (the test runs under dbus-run-session).

#include "keyboards/kde/KdeKeyboardBackend.h"
#include "keyboards/xkb/XkbLayoutIds.h"
#include "platform/KeyboardLayoutId.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

const qint32 Us = xkbLayoutId(u"us", {});
const qint32 CzechQwerty = xkbLayoutId(u"cz", u"qwerty");
const qint32 German = xkbLayoutId(u"de", {});

// Calls the service as another program on the desktop would. (Plain messages: Qt's
// introspecting interface objects keep memory it never frees.)
QDBusMessage desktop(const QString& method, const QVariant& argument = {},
                     const QString& interface = u"org.kde.KeyboardLayouts"_s)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(u"org.kde.keyboard"_s, u"/Layouts"_s, interface, method);
    if (argument.isValid())
        call << argument;
    return QDBusConnection::sessionBus().call(call);
}

uint desktopLayout()
{
    return QDBusReply<uint>(desktop(u"getLayout"_s)).value();
}

} // namespace

class TestKdeKeyboardBackend : public QObject {
    Q_OBJECT
private slots:
    void switchesWhileTheServiceIsThere();
    void cleanupTestCase() { stopService(); }

private:
    bool startService();
    void stopService();

    QProcess m_service;
};

bool TestKdeKeyboardBackend::startService()
{
    m_service.setProcessChannelMode(QProcess::ForwardedChannels);
    m_service.start(qEnvironmentVariable("LEXMINT_FAKE_KDE_KEYBOARD"));
    return m_service.waitForStarted();
}

void TestKdeKeyboardBackend::stopService()
{
    m_service.terminate();
    m_service.waitForFinished();
}

void TestKdeKeyboardBackend::switchesWhileTheServiceIsThere()
{
    // With one layout configured, Plasma has no service: nothing to switch.
    KdeKeyboardBackend backend(QDBusConnection::sessionBus());
    QVERIFY(backend.installedLayouts().isEmpty());
    QCOMPARE(backend.activeLayout(), KeybCurrent);
    QVERIFY(!backend.activate(Us));

    // A second layout is added: the service comes up while the program runs.
    QVERIFY(startService());
    QTRY_VERIFY_WITH_TIMEOUT(!backend.installedLayouts().isEmpty(), 10000);
    QCOMPARE(backend.installedLayouts(), (QList{German, Us, CzechQwerty}));
    QCOMPARE(backend.activeLayout(), German);
    QCOMPARE(backend.layoutDescription(CzechQwerty), u"Czech (QWERTY)"_s);

    // Layouts are switched by their index in the desktop's list.
    QVERIFY(backend.activate(CzechQwerty));
    QCOMPARE(desktopLayout(), 1u);
    // The user switches on the desktop: the backend reads the new layout at once.
    QVERIFY(desktop(u"setLayout"_s, 0u).errorName().isEmpty());
    QCOMPARE(backend.activeLayout(), Us);
    // While Plasma applies a new configuration its keymap may be shorter than its list, and it
    // answers false for an index past it.
    QVERIFY(desktop(u"setKeymapSize"_s, 1u, u"org.lexmint.FakeKeyboard"_s).errorName().isEmpty());
    QVERIFY(!backend.activate(CzechQwerty));
    QCOMPARE(backend.activeLayout(), Us);

    // The service goes, and comes back.
    stopService();
    QTRY_VERIFY(backend.installedLayouts().isEmpty());
    QVERIFY(!backend.activate(Us));
    QVERIFY(startService());
    QTRY_VERIFY_WITH_TIMEOUT(!backend.installedLayouts().isEmpty(), 10000);
}

QTEST_GUILESS_MAIN(TestKdeKeyboardBackend)
#include "TestKdeKeyboardBackend.moc"
