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
    void cleanup();
    void switchesOnceTheServiceComesUp();
    void readsTheLayoutTheUserSwitchedTo();
    void failsWhereTheDesktopCannotSwitch();

private:
    // Starts the service, as Plasma does once a second layout is configured, and waits until
    // `backend` sees it.
    bool startService(const KdeKeyboardBackend& backend);

    QProcess m_service;
    KdeKeyboardBackend m_backend{QDBusConnection::sessionBus()};
};

bool TestKdeKeyboardBackend::startService(const KdeKeyboardBackend& backend)
{
    m_service.setProcessChannelMode(QProcess::ForwardedChannels);
    m_service.start(qEnvironmentVariable("LEXMINT_FAKE_KDE_KEYBOARD"));
    return m_service.waitForStarted()
        && QTest::qWaitFor([&] { return !backend.installedLayouts().isEmpty(); }, 10000);
}

void TestKdeKeyboardBackend::cleanup()
{
    m_service.terminate();
    m_service.waitForFinished();
    QTRY_VERIFY(m_backend.installedLayouts().isEmpty());
}

void TestKdeKeyboardBackend::switchesOnceTheServiceComesUp()
{
    QVERIFY(!m_backend.activate(Us));
    QVERIFY(startService(m_backend));
    QCOMPARE(m_backend.installedLayouts(), (QList{German, Us, CzechQwerty}));
    QCOMPARE(m_backend.layoutDescription(CzechQwerty), u"Czech (QWERTY)"_s);
    // Layouts are switched by their index in the desktop's list.
    QVERIFY(m_backend.activate(CzechQwerty));
    QCOMPARE(desktopLayout(), 1u);
}

void TestKdeKeyboardBackend::readsTheLayoutTheUserSwitchedTo()
{
    QVERIFY(startService(m_backend));
    QCOMPARE(m_backend.activeLayout(), German);
    QVERIFY(desktop(u"setLayout"_s, 0u).errorName().isEmpty());
    QCOMPARE(m_backend.activeLayout(), Us);
}

void TestKdeKeyboardBackend::failsWhereTheDesktopCannotSwitch()
{
    QVERIFY(startService(m_backend));
    // While Plasma applies a new configuration its keymap may be shorter than its list, and it
    // answers false for an index past it.
    QVERIFY(desktop(u"setKeymapSize"_s, 1u, u"org.lexmint.FakeKeyboard"_s).errorName().isEmpty());
    QVERIFY(!m_backend.activate(CzechQwerty));
    QCOMPARE(m_backend.activeLayout(), German);
}

QTEST_GUILESS_MAIN(TestKdeKeyboardBackend)
#include "TestKdeKeyboardBackend.moc"
