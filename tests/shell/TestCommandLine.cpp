#include "shell/CommandLine.h"
#include "shell/SettingsStore.h"
#include "shell/StartupPlan.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

// A request in one line: "invalid" when it is, the switches, then the file in brackets.
QString described(const CommandLineRequest& request)
{
    QStringList words;
    if (!request.valid)
        words.append(u"invalid"_s);
    if (request.add)
        words.append(u"add"_s);
    if (request.test)
        words.append(u"test"_s);
    if (request.file)
        words.append(u'[' + *request.file + u']');
    if (request.fileNameUnreadable)
        words.append(u"unreadable"_s);
    return words.join(u' ');
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void startupPlan_data();
    void startupPlan();
};

void TestCommandLine::parses_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("request");

    QTest::newRow("path starting like a switch")
        << QByteArrayList{"/tests/x.lxm"} << u"[/tests/x.lxm]"_s;
    QTest::newRow("add, any case") << QByteArrayList{"/ADD", "a.lxm"} << u"add [a.lxm]"_s;
    QTest::newRow("both switches")
        << QByteArrayList{"/add", "--Test", "x.lxm"} << u"invalid add test [x.lxm]"_s;
    QTest::newRow("two files") << QByteArrayList{"a.lxm", "b.lxm"} << u"invalid [a.lxm]"_s;
    QTest::newRow("switch-like name after the end of switches")
        << QByteArrayList{"/test", "--", "--add"} << u"test [--add]"_s;
    // Bytes that are not UTF-8 name a file that cannot be opened under the text they read as.
    QTest::newRow("name not valid UTF-8")
        << QByteArrayList{"--add", "w\xf6rter.lxm"} << u"add [w\ufffdrter.lxm] unreadable"_s;
}

void TestCommandLine::parses()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, request);
    QCOMPARE(described(parseArguments(arguments)), request);
}

void TestCommandLine::startupPlan_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("plan");

    QTest::newRow("fixed but unset acts as last open")
        << "[Settings]\nStartUpOpen=2\n"_ba << QByteArrayList{} << u"open 1, form 0, "_s;
    QTest::newRow("command line file and add")
        << "[Settings]\nStartUpOpen=2\nStartupDB=/v/a.lxm\nStartupForm=0\n"_ba
        << QByteArrayList{"--add", "/v/b.lxm"} << u"open 2, form 1, /v/b.lxm"_s;
    QTest::newRow("bad command line changes nothing")
        << "[Settings]\nStartUpOpen=1\nStartupDB=/v/a.lxm\nStartupForm=2\n"_ba
        << QByteArrayList{"/add", "/test", "x.lxm"} << u"open 1, form 2, /v/a.lxm, usage"_s;
}

void TestCommandLine::startupPlan()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, plan);

    QTemporaryDir dir;
    const SettingsStore store(test::writeFile(dir.path(), u"s.conf"_s, settings));
    const StartupPlan made = StartupPlan::make(store, parseArguments(arguments));
    QString described =
        u"open %1, form %2, %3"_s.arg(made.openMode).arg(made.startForm).arg(made.path);
    if (made.showUsage)
        described += u", usage"_s;
    QCOMPARE(described, plan);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
