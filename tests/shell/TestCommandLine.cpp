#include "shell/CommandLine.h"
#include "shell/SettingsStore.h"
#include "shell/StartupPlan.h"

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
    // A list stands for the arguments as the shell split them, a text for one command line.
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QString>("request");

    QTest::newRow("path starting like a switch")
        << QVariant(QStringList{u"/tests/x.lxm"_s}) << u"[/tests/x.lxm]"_s;
    QTest::newRow("add, any case")
        << QVariant(QStringList{u"/ADD"_s, u"a.lxm"_s}) << u"add [a.lxm]"_s;
    QTest::newRow("test, long form after file")
        << QVariant(QStringList{u"a.lxm"_s, u"--Test"_s}) << u"test [a.lxm]"_s;
    QTest::newRow("both switches") << QVariant(QStringList{u"/add"_s, u"/test"_s, u"x.lxm"_s})
                                   << u"invalid add test [x.lxm]"_s;
    QTest::newRow("two files") << QVariant(QStringList{u"a.lxm"_s, u"b.lxm"_s})
                               << u"invalid [a.lxm]"_s;
    QTest::newRow("switch-like name after the end of switches")
        << QVariant(QStringList{u"/test"_s, u"--"_s, u"--add"_s}) << u"test [--add]"_s;
    // Bytes that are not UTF-8 name a file that cannot be opened under the text they read as.
    QTest::newRow("name not valid UTF-8")
        << QVariant::fromValue(QByteArrayList{"--add", "w\xf6rter.lxm"})
        << u"add [w\ufffdrter.lxm] unreadable"_s;
    QTest::newRow("line: switch glued to name") << QVariant(u"/addx.lxm"_s) << u"add [x.lxm]"_s;
    QTest::newRow("line: quoted name with blanks")
        << QVariant(u"\"C:\\My Words\\a b.lxm\" /add"_s) << u"add [C:\\My Words\\a b.lxm]"_s;
    QTest::newRow("line: unclosed quote") << QVariant(u"\"a b.lxm"_s) << u"invalid []"_s;
}

void TestCommandLine::parses()
{
    QFETCH(QVariant, input);
    QFETCH(QString, request);
    const CommandLineRequest parsed = input.typeId() == QMetaType::QStringList
        ? parseArguments(input.toStringList())
        : input.typeId() == QMetaType::QByteArrayList
        ? parseArguments(input.value<QByteArrayList>())
        : parseCommandLine(input.toString());
    QCOMPARE(described(parsed), request);
}

void TestCommandLine::startupPlan_data()
{
    // A null text stands for a key that is not in the store.
    QTest::addColumn<QString>("startUpOpen");
    QTest::addColumn<QString>("startupDb");
    QTest::addColumn<QString>("storedForm");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("openMode");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("usage");

    const QString a = u"/v/a.lxm"_s;
    QTest::newRow("fresh user") << QString() << QString() << QString() << QStringList{} << 1 << 0
                                << QString() << false;
    QTest::newRow("fixed but unset acts as last open")
        << u"2"_s << QString() << QString() << QStringList{} << 1 << 0 << QString() << false;
    QTest::newRow("command line file and add")
        << u"2"_s << a << u"0"_s << QStringList{u"--add"_s, u"/v/b.lxm"_s} << 2 << 1
        << u"/v/b.lxm"_s << false;
    QTest::newRow("bad command line changes nothing")
        << u"1"_s << a << u"2"_s << QStringList{u"/add"_s, u"/test"_s, u"x.lxm"_s} << 1 << 2 << a
        << true;
}

void TestCommandLine::startupPlan()
{
    QFETCH(QString, startUpOpen);
    QFETCH(QString, startupDb);
    QFETCH(QString, storedForm);
    QFETCH(QStringList, arguments);
    QFETCH(int, openMode);
    QFETCH(int, form);
    QFETCH(QString, path);
    QFETCH(bool, usage);

    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"settings.conf"_s));
    if (!startUpOpen.isNull())
        settings.setText(SettingsKey::StartUpOpen, startUpOpen);
    if (!startupDb.isNull())
        settings.setText(SettingsKey::StartupDB, startupDb);
    if (!storedForm.isNull())
        settings.setText(SettingsKey::StartupForm, storedForm);
    const StartupPlan plan = StartupPlan::make(settings, parseArguments(arguments));
    QCOMPARE(int(plan.openMode), openMode);
    QCOMPARE(int(plan.startForm), form);
    QCOMPARE(plan.path, path);
    QCOMPARE(plan.showUsage, usage);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
