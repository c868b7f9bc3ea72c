#include "app/CommandLine.h"
#include "app/SettingsStore.h"
#include "app/StartupPlan.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
const std::optional<QString> NoFile;
}

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void singleString_data();
    void singleString();
    void startupPlan_data();
    void startupPlan();
};

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("test");
    QTest::addColumn<std::optional<QString>>("file");

    QTest::newRow("nothing") << QStringList{} << true << false << false << NoFile;
    QTest::newRow("file with blanks") << QStringList{u"/home/me/my words.lxm"_s} << true << false
                                      << false << std::optional(u"/home/me/my words.lxm"_s);
    QTest::newRow("path starting like a switch") << QStringList{u"/tests/x.lxm"_s} << true << false
                                                 << false << std::optional(u"/tests/x.lxm"_s);
    QTest::newRow("add, any case") << QStringList{u"/ADD"_s, u"a.lxm"_s} << true << true << false
                                   << std::optional(u"a.lxm"_s);
    QTest::newRow("test, long form after file") << QStringList{u"a.lxm"_s, u"--Test"_s} << true
                                                << false << true << std::optional(u"a.lxm"_s);
    QTest::newRow("both switches") << QStringList{u"/add"_s, u"/test"_s, u"x.lxm"_s} << false
                                   << true << true << std::optional(u"x.lxm"_s);
    QTest::newRow("two files") << QStringList{u"a.lxm"_s, u"b.lxm"_s} << false << false << false
                               << std::optional(u"a.lxm"_s);
    QTest::newRow("empty file name") << QStringList{QString()} << false << false << false
                                     << std::optional(QString());
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(bool, add);
    QFETCH(bool, test);
    QFETCH(std::optional<QString>, file);
    const CommandLineRequest request = parseArguments(arguments);
    QCOMPARE(request.valid, valid);
    QCOMPARE(request.add, add);
    QCOMPARE(request.test, test);
    QCOMPARE(request.file, file);
}

void TestCommandLine::singleString_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("test");
    QTest::addColumn<std::optional<QString>>("file");

    QTest::newRow("blank") << u"   "_s << true << false << false << NoFile;
    QTest::newRow("mixed case switch") << u"/Test x.lxm"_s << true << false << true
                                       << std::optional(u"x.lxm"_s);
    QTest::newRow("switch glued to name") << u"/addx.lxm"_s << true << true << false
                                          << std::optional(u"x.lxm"_s);
    QTest::newRow("quoted name with blanks") << u"\"C:\\My Words\\a b.lxm\" /add"_s << true << true
                                             << false << std::optional(u"C:\\My Words\\a b.lxm"_s);
    QTest::newRow("unclosed quote") << u"\"a b.lxm"_s << false << false << false
                                    << std::optional(QString());
    QTest::newRow("empty quoted name") << u"\"\""_s << false << false << false
                                       << std::optional(QString());
    QTest::newRow("two names") << u"a.lxm b.lxm"_s << false << false << false
                               << std::optional(QString());
    QTest::newRow("both switches") << u"/add /test x.lxm"_s << false << true << true
                                   << std::optional(u"x.lxm"_s);
}

void TestCommandLine::singleString()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(bool, add);
    QFETCH(bool, test);
    QFETCH(std::optional<QString>, file);
    const CommandLineRequest request = parseCommandLine(line);
    QCOMPARE(request.valid, valid);
    QCOMPARE(request.add, add);
    QCOMPARE(request.test, test);
    QCOMPARE(request.file, file);
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

    QTest::newRow("fresh user") << QString() << QString() << QString() << QStringList{} << 1 << 0
                                << QString() << false;
    QTest::newRow("last open") << u"1"_s << u"/v/a.lxm"_s << u"2"_s << QStringList{} << 1 << 2
                               << u"/v/a.lxm"_s << false;
    QTest::newRow("open nothing") << u"0"_s << u"/v/a.lxm"_s << QString() << QStringList{} << 0 << 0
                                  << QString() << false;
    QTest::newRow("fixed but unset acts as last open") << u"2"_s << QString() << QString()
                                                       << QStringList{} << 1 << 0 << QString()
                                                       << false;
    QTest::newRow("command line file and add") << u"2"_s << u"/v/a.lxm"_s << u"0"_s
                                               << QStringList{u"--add"_s, u"/v/b.lxm"_s} << 2 << 1
                                               << u"/v/b.lxm"_s << false;
    QTest::newRow("bad command line changes nothing")
        << u"1"_s << u"/v/a.lxm"_s << u"2"_s << QStringList{u"/add"_s, u"/test"_s, u"x.lxm"_s} << 1
        << 2 << u"/v/a.lxm"_s << true;
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
