#include "shell/SampleVocabularies.h"
#include "app/AboutDialog.h"
#include "app/FirstRunDialog.h"
#include "shell/InstallRecord.h"

#include "support/FakeBrowserService.h"
#include "support/FakeHelpService.h"
#include "support/FakeMessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestAboutAndWelcome : public QObject {
    Q_OBJECT

private slots:
    void welcomeChoice_data();
    void welcomeChoice();
    void samplesAreInstalledBesideTheProgram();
    void browserFailureIsReported();
};

void TestAboutAndWelcome::welcomeChoice_data()
{
    // Steps: "list" puts the focus into the sample list, "pick N" selects its N-th name,
    // "help" presses Help, "ok" presses OK, "close" uses the close box.
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString dir = u"/opt/lex mint/"_s;
    QTest::newRow("OK at once") << dir << QStringList{u"ok"_s} << QString();
    QTest::newRow("third name, help on the way")
        << dir << QStringList{u"list"_s, u"pick 3"_s, u"help"_s, u"ok"_s} << dir + u"Ger-Eng.lxm"_s;
    QTest::newRow("sample, then close box")
        << dir << QStringList{u"list"_s, u"pick 2"_s, u"close"_s} << QString();
    QTemporaryDir empty;
    QTest::newRow("no install record")
        << InstallRecord(empty.filePath(u"install.ini"_s)).programDir()
        << QStringList{u"list"_s, u"pick 3"_s, u"ok"_s} << u"Ger-Eng.lxm"_s;
}

void TestAboutAndWelcome::welcomeChoice()
{
    QFETCH(QString, programDir);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    test::FakeHelpService help;
    FirstRunDialog welcome(programDir, help);
    welcome.show();
    QVERIFY(QTest::qWaitForWindowActive(&welcome));
    auto* list = welcome.findChild<QComboBox*>(u"cmbSample"_s);
    for (const QString& step : std::as_const(steps)) {
        if (step == u"list") {
            list->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(list->hasFocus());
        } else if (step.startsWith(u"pick ")) {
            list->setCurrentIndex(step.mid(5).toInt() - 1);
        } else if (step == u"close") {
            QVERIFY(welcome.close());
        } else {
            const QHash<QString, QString> buttons{{u"help"_s, u"cmdHelp"_s}, {u"ok"_s, u"cmdOK"_s}};
            QTest::mouseClick(welcome.findChild<QWidget*>(buttons.value(step)), Qt::LeftButton);
            QCOMPARE(welcome.isVisible(), step != u"ok"); // Help keeps the dialog open
        }
    }
    QCOMPARE(welcome.chosenPath(), expected);
    QCOMPARE(help.contentsCount(), int(steps.contains(u"help"_s)));
}

void TestAboutAndWelcome::samplesAreInstalledBesideTheProgram()
{
    // The welcome offers these files from the folder the install record names.
    const QString programDir = InstallRecord().programDir();
    for (const SampleVocabulary& sample : sampleVocabularies())
        QVERIFY2(QFileInfo::exists(programDir + sample.file), qPrintable(QString(sample.file)));
}

void TestAboutAndWelcome::browserFailureIsReported()
{
    test::FakeBrowserService browser;
    test::FakeMessageService messages;
    AboutDialog about(browser, messages);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    browser.setStarts(false);
    QTest::mouseClick(about.findChild<QWidget*>(u"lblWebPage"_s), Qt::LeftButton);
    QCOMPARE(browser.opened().size(), 1);
    QCOMPARE(messages.shown().size(), 1);
    QVERIFY(messages.shown().constFirst().text.startsWith(
        u"Cannot launch your default Internet browser."_s));
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestAboutAndWelcome)

#include "TestAboutAndWelcome.moc"
