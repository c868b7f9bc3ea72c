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
    void serviceComesLateAndGoes();
    void switchesByIndex_data();
    void switchesByIndex();
    void cleanupTestCase();

private:
    bool startService();
    void stopService();

    QProcess m_service;
    std::unique_ptr<KdeKeyboardBackend> m_backend;
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

void TestKdeKeyboardBackend::serviceComesLateAndGoes()
{
    // With one layout configured, Plasma has no service: nothing to switch.
    m_backend = std::make_unique<KdeKeyboardBackend>(QDBusConnection::sessionBus());
    QVERIFY(m_backend->installedLayouts().isEmpty());
    QCOMPARE(m_backend->activeLayout(), KeybCurrent);
    QVERIFY(!m_backend->activate(Us));

    // A second layout is added: the service comes up while the program runs.
    QVERIFY(startService());
    QTRY_VERIFY_WITH_TIMEOUT(!m_backend->installedLayouts().isEmpty(), 10000);
    QCOMPARE(m_backend->installedLayouts(), (QList{German, Us, CzechQwerty}));
    QCOMPARE(m_backend->activeLayout(), German);
    QCOMPARE(m_backend->layoutDescription(CzechQwerty), u"Czech (QWERTY)"_s);

    stopService();
    QTRY_VERIFY(m_backend->installedLayouts().isEmpty());
    QVERIFY(!m_backend->activate(Us));

    QVERIFY(startService());
    QTRY_VERIFY_WITH_TIMEOUT(!m_backend->installedLayouts().isEmpty(), 10000);
}

void TestKdeKeyboardBackend::switchesByIndex_data()
{
    QTest::addColumn<qint32>("layout");
    QTest::addColumn<uint>("keymapSize");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<uint>("activeIndex");

    QTest::newRow("variant") << CzechQwerty << 3u << true << 1u;
    // Plasma answers false for an index past its keymap.
    QTest::newRow("index out of range") << CzechQwerty << 1u << false << 2u;
}

void TestKdeKeyboardBackend::switchesByIndex()
{
    QFETCH(qint32, layout);
    QFETCH(uint, keymapSize);
    QVERIFY(desktop(u"setLayout"_s, 2u).errorName().isEmpty());
    QVERIFY(desktop(u"setKeymapSize"_s, keymapSize, u"org.lexmint.FakeKeyboard"_s)
                .errorName()
                .isEmpty());

    QTEST(m_backend->activate(layout), "switched");
    QTEST(desktopLayout(), "activeIndex");
    QCOMPARE(m_backend->activeLayout(), QList({Us, CzechQwerty, German})[desktopLayout()]);

    // The user switches on the desktop: the backend reads the new layout at once.
    QVERIFY(desktop(u"setLayout"_s, 0u).errorName().isEmpty());
    QCOMPARE(m_backend->activeLayout(), Us);
}

void TestKdeKeyboardBackend::cleanupTestCase()
{
    stopService();
}

QTEST_GUILESS_MAIN(TestKdeKeyboardBackend)
#include "TestKdeKeyboardBackend.moc"
