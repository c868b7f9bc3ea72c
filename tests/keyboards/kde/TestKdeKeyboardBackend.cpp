// The KDE Plasma backend against a stand-in for Plasma's keyboard service on a private session
// bus (the test runs under dbus-run-session).

#include "keyboards/kde/KdeKeyboardBackend.h"
#include "keyboards/xkb/XkbLayoutIds.h"

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
QDBusMessage desktop(const QString& method, const QVariant& argument = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.keyboard"_s, u"/Layouts"_s,
                                                       u"org.kde.KeyboardLayouts"_s, method);
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
    void followsTheServiceWhileItRuns();
};

void TestKdeKeyboardBackend::followsTheServiceWhileItRuns()
{
    KdeKeyboardBackend backend(QDBusConnection::sessionBus());
    QVERIFY(!backend.activate(Us));
    // Plasma starts the service once a second layout is configured.
    QProcess service;
    service.setProcessChannelMode(QProcess::ForwardedChannels);
    service.start(qEnvironmentVariable("LEXMINT_FAKE_KDE_KEYBOARD"));
    QVERIFY(service.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(backend.installedLayouts(), (QList{German, Us, CzechQwerty}), 10000);
    QCOMPARE(backend.layoutDescription(CzechQwerty), u"Czech (QWERTY)"_s);
    QCOMPARE(backend.activeLayout(), German);
    // Layouts are switched by their index in the desktop's list.
    QVERIFY(backend.activate(CzechQwerty));
    QCOMPARE(desktopLayout(), 1u);
    // A switch made by the user is seen at once.
    QVERIFY(desktop(u"setLayout"_s, 0u).errorName().isEmpty());
    QCOMPARE(backend.activeLayout(), Us);

    service.terminate();
    service.waitForFinished();
    QTRY_VERIFY(backend.installedLayouts().isEmpty());
}

QTEST_GUILESS_MAIN(TestKdeKeyboardBackend)
#include "TestKdeKeyboardBackend.moc"
