#include "app/SampleVocabularies.h"
#include "options/AboutDialog.h"
#include "options/FirstRunDialog.h"
#include "options/InstallRecord.h"

#include "support/FakeBrowserService.h"
#include "support/FakeHelpService.h"
#include "support/FakeMessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

template <typename T> T* child(QWidget& window, const QString& name)
{
    auto* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QColor linkColour(QWidget& about)
{
    return child<QLabel>(about, u"lblWebPage"_s)->palette().color(QPalette::WindowText);
}

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

} // namespace

class TestAboutAndWelcome : public QObject {
    Q_OBJECT

private slots:
    void init();

    void welcomeChoice_data();
    void welcomeChoice();
    void welcomeHelpKeepsTheDialogOpen();
    void samplesAreInstalledBesideTheProgram();

    void aboutShowsTheBuildVersion();
    void linkColourFollowsTheMouse_data();
    void linkColourFollowsTheMouse();
    void openingTheHomePage_data();
    void openingTheHomePage();

private:
    std::unique_ptr<test::FakeHelpService> m_help;
    std::unique_ptr<test::FakeBrowserService> m_browser;
    std::unique_ptr<test::FakeMessageService> m_messages;
};

void TestAboutAndWelcome::init()
{
    m_help = std::make_unique<test::FakeHelpService>();
    m_browser = std::make_unique<test::FakeBrowserService>();
    m_messages = std::make_unique<test::FakeMessageService>();
}

void TestAboutAndWelcome::welcomeChoice_data()
{
    // Steps: "list" puts the focus into the sample list, "pick N" selects its N-th name,
    // "new" selects New Vocabulary, "ok" presses OK, "close" uses the close box.
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString dir = u"/opt/lex mint/"_s;
    QTest::newRow("OK at once") << dir << QStringList{u"ok"_s} << QString();
    QTest::newRow("into the list, OK")
        << dir << QStringList{u"list"_s, u"ok"_s} << dir + u"Spa-Eng.lxm"_s;
    QTest::newRow("third name") << dir << QStringList{u"list"_s, u"pick 3"_s, u"ok"_s}
                                << dir + u"Ger-Eng.lxm"_s;
    QTest::newRow("sample, then New")
        << dir << QStringList{u"list"_s, u"pick 2"_s, u"new"_s, u"ok"_s} << QString();
    QTest::newRow("sample, then close box")
        << dir << QStringList{u"list"_s, u"pick 2"_s, u"close"_s} << QString();

    QTemporaryDir empty;
    const QString noRecord = InstallRecord(empty.filePath(u"install.ini"_s)).programDir();
    QTest::newRow("no install record")
        << noRecord << QStringList{u"list"_s, u"pick 3"_s, u"ok"_s} << u"Ger-Eng.lxm"_s;
}

void TestAboutAndWelcome::welcomeChoice()
{
    QFETCH(QString, programDir);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    FirstRunDialog welcome(programDir, *m_help);
    welcome.show();
    QVERIFY(QTest::qWaitForWindowActive(&welcome));
    auto* list = child<QComboBox>(welcome, u"cmbSample"_s);

    for (const QString& step : std::as_const(steps)) {
        if (step == u"list") {
            list->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(list->hasFocus());
        } else if (step.startsWith(u"pick ")) {
            list->setCurrentIndex(step.mid(5).toInt() - 1);
        } else if (step == u"new") {
            QTest::mouseClick(child<QRadioButton>(welcome, u"optBlank"_s), Qt::LeftButton);
        } else if (step == u"ok") {
            QTest::mouseClick(child<QPushButton>(welcome, u"cmdOK"_s), Qt::LeftButton);
        } else if (step == u"close") {
            QVERIFY(welcome.close());
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }

    QVERIFY(!welcome.isVisible());
    QCOMPARE(welcome.chosenPath(), expected);
    QCOMPARE(m_help->contentsCount(), 0);
}

void TestAboutAndWelcome::welcomeHelpKeepsTheDialogOpen()
{
    FirstRunDialog welcome(u"/opt/lexmint/"_s, *m_help);
    welcome.show();
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));

    QTest::mouseClick(child<QPushButton>(welcome, u"cmdHelp"_s), Qt::LeftButton);

    QCOMPARE(m_help->contentsCount(), 1);
    QVERIFY(m_help->shownContexts().isEmpty());
    QVERIFY(welcome.isVisible());
}

void TestAboutAndWelcome::samplesAreInstalledBesideTheProgram()
{
    // The welcome offers these files from the folder the install record names.
    const QString programDir = InstallRecord().programDir();
    for (const SampleVocabulary& sample : sampleVocabularies())
        QVERIFY2(QFileInfo::exists(programDir + sample.file), qPrintable(QString(sample.file)));
}

void TestAboutAndWelcome::aboutShowsTheBuildVersion()
{
    AboutDialog about(*m_browser, *m_messages);
    QCOMPARE(child<QLabel>(about, u"lblTitle"_s)->text(), u"Version " LEXMINT_PROJECT_VERSION ""_s);
    QCOMPARE(about.windowTitle(), u"About Lex Mint"_s);
}

void TestAboutAndWelcome::linkColourFollowsTheMouse_data()
{
    // The mouse visits these places in turn; "background" is the free margin of the window.
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("at first") << QStringList() << Blue;
    QTest::newRow("over the link") << QStringList{u"lblWebPage"_s} << Red;
    QTest::newRow("link, background") << QStringList{u"lblWebPage"_s, u"background"_s} << Blue;
    QTest::newRow("link, picture") << QStringList{u"lblWebPage"_s, u"picIcon"_s} << Red;
    QTest::newRow("link, other label") << QStringList{u"lblWebPage"_s, u"lblDescription"_s} << Red;
    QTest::newRow("link, OK button") << QStringList{u"lblWebPage"_s, u"cmdOK"_s} << Red;
}

void TestAboutAndWelcome::linkColourFollowsTheMouse()
{
    QFETCH(QStringList, places);
    QFETCH(QColor, expected);

    AboutDialog about(*m_browser, *m_messages);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    for (const QString& place : std::as_const(places)) {
        if (place == u"background") {
            QVERIFY(!about.childAt(2, 2));
            QTest::mouseMove(&about, QPoint(2, 2));
        } else {
            auto* widget = child<QWidget>(about, place);
            QTest::mouseMove(widget, widget->rect().center());
        }
    }
    QCOMPARE(linkColour(about), expected);
}

void TestAboutAndWelcome::openingTheHomePage_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QColor>("expected");

    // The mouse comes from the link in every row, so the link is red before the click.
    QTest::newRow("link opens") << u"lblWebPage"_s << true << Blue;
    QTest::newRow("link fails") << u"lblWebPage"_s << false << Red;
    QTest::newRow("picture opens") << u"picIcon"_s << true << Red;
    QTest::newRow("picture fails") << u"picIcon"_s << false << Red;
}

void TestAboutAndWelcome::openingTheHomePage()
{
    QFETCH(QString, clicked);
    QFETCH(bool, started);
    QFETCH(QColor, expected);

    AboutDialog about(*m_browser, *m_messages);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = child<QLabel>(about, u"lblWebPage"_s);
    QTest::mouseMove(link, link->rect().center());
    QCOMPARE(linkColour(about), Red);

    m_browser->expect(started);
    auto* target = child<QLabel>(about, clicked);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());

    QCOMPARE(m_browser->opened(),
             QList<QUrl>{QUrl(u"https://www.orvanel-software.example/lexmint"_s)});
    QVERIFY(m_browser->allResultsUsed());
    QCOMPARE(linkColour(about), expected);
    if (started) {
        QVERIFY(m_messages->shown().isEmpty());
    } else {
        QCOMPARE(m_messages->shown().size(), 1);
        const Message& shown = m_messages->shown().constFirst();
        QCOMPARE(shown.title, u"Cannot Run Program"_s);
        QCOMPARE(shown.text,
                 u"Cannot launch your default Internet browser. Make sure that you have "
                 "a browser installed and set up correctly."_s);
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
    }
    QVERIFY(about.isVisible());
}

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestAboutAndWelcome test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestAboutAndWelcome.moc"
