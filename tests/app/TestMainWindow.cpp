#include "app/MainWindow.h"
#include "app/VocabGrid.h"
#include "app/VocabularySession.h"
#include "entries/EntryForm.h"
#include "store/Database.h"
#include "store/QueryBudget.h"
#include "store/SqlQuery.h"
#include "support/MainWindowFixture.h"
#include "support/StoreFixture.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x0409; // the user's own layout
constexpr qint32 Czech = 0x0405;
constexpr qint32 German = 0x0407;

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QueryBudget::setTimeLimit(std::chrono::milliseconds(300));
    }
    void init() { m_fx = std::make_unique<MainWindowFixture>(); }
    void cleanup();
    void commandStates_data();
    void commandStates();
    void keyboardFollowsTheFocus();
    void exitGivesBackTheLayoutOfASheetWithoutFocus();
    void formsGoWithTheirVocabulary_data();
    void formsGoWithTheirVocabulary();
    void keyboardComesBackToTheFormAfterABox_data();
    void keyboardComesBackToTheFormAfterABox();
    void failedNewKeepsTheOpenVocabulary();
    void unreadableVocabularyIsReported();
    void slowTestModeIsLeftOut();
    void damagedVocabularyOffersToSaveWhatCanBeRead();

private:
    MainWindow& start(const QStringList& arguments = {}) { return m_fx->start(arguments); }
    QAction* action(const QString& name) const { return m_fx->action(name); }
    QString panel(const QString& name) const
    {
        return m_window()->findChild<QLabel*>(name)->text();
    }
    EntryForm* openForm(const QString& command) const;
    // A vocabulary in the test's folder with one-line entries "uno", "dos"... as given.
    QString vocabulary(const QString& name, int entries = 1) const;
    MainWindow* m_window() const { return m_fx->window(); }
    QString vocabularyWithKeyboards(qint32 head, qint32 definition);
    /// Waits for this layout to be active and named in the status bar.
    void expectKeyboard(qint32 active, const QString& name) const;

    std::unique_ptr<MainWindowFixture> m_fx;
};

void TestMainWindow::cleanup()
{
    m_fx->stop();
    QVERIFY(m_fx->messages.allAnswersUsed());
    QVERIFY(m_fx->files.allResultsUsed());
    m_fx.reset();
}

EntryForm* TestMainWindow::openForm(const QString& command) const
{
    action(command)->trigger();
    auto* form = m_window()->findChild<EntryForm*>(u"frmAdd"_s);
    return form && QTest::qWaitForWindowActive(form) ? form : nullptr;
}

QString TestMainWindow::vocabulary(const QString& name, int entries) const
{
    const QStringList words{u"uno|meaning"_s, u"dos|meaning"_s, u"tres|meaning"_s};
    return m_fx->vocabulary(name, words.first(entries));
}

void TestMainWindow::expectKeyboard(qint32 active, const QString& name) const
{
    const auto state = [](qint32 layout, const QString& panelText) {
        return u"%1 active, panel \"%2\""_s.arg(layout, 0, 16).arg(panelText);
    };
    QTRY_COMPARE(state(m_fx->backend.activeLayout(), panel(u"keyboard"_s)), state(active, name));
}

void TestMainWindow::commandStates_data()
{
    // A command the user can reach is visible and enabled.
    QTest::addColumn<int>("entries"); // -1: nothing open
    QTest::addColumn<QStringList>("reachable");
    QTest::addColumn<QStringList>("unreachable");

    const QStringList fileCommands{u"mnuVocabProps"_s, u"mnuVocClose"_s, u"mnuVocImport"_s,
                                   u"mnuVocExport"_s, u"mnuEntryAdd"_s};
    const QStringList entryCommands{u"mnuEntryEdit"_s, u"mnuEntryFind"_s, u"test"_s,
                                    u"mnuViewRefresh"_s};
    QTest::newRow("nothing open") << -1
                                  << QStringList{u"mnuVocNew"_s, u"mnuVocOpen"_s,
                                                 u"mnuViewOptions"_s, u"mnuHelpTopics"_s}
                                  << fileCommands + entryCommands;
    QTest::newRow("empty vocabulary") << 0 << fileCommands << entryCommands;
    QTest::newRow("with entries") << 2 << fileCommands + entryCommands << QStringList();
}

void TestMainWindow::commandStates()
{
    QFETCH(int, entries);
    QFETCH(QStringList, reachable);
    QFETCH(QStringList, unreachable);

    start(entries < 0 ? QStringList() : QStringList{vocabulary(u"a.lxm"_s, entries)});
    for (const QString& name : reachable)
        QVERIFY2(action(name)->isVisible() && action(name)->isEnabled(), qPrintable(name));
    for (const QString& name : unreachable)
        QVERIFY2(!action(name)->isVisible() || !action(name)->isEnabled(), qPrintable(name));
    QCOMPARE(m_window()->findChild<QMenu*>(u"mnuEntry"_s)->menuAction()->isVisible(), entries >= 0);
    QCOMPARE(m_window()->findChild<QMenu*>(u"mnuTest"_s)->menuAction()->isVisible(), entries > 0);
}

QString TestMainWindow::vocabularyWithKeyboards(qint32 head, qint32 definition)
{
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    Database db;
    if (!db.open(path) || !db.createProperty(u"UserKeybH"_s, head)
        || !db.createProperty(u"UserKeybD"_s, definition))
        return QString();
    return path;
}

void TestMainWindow::keyboardFollowsTheFocus()
{
    // Headwords are typed in Czech, definitions in German.
    const QString czech = u"Czech"_s;
    const QString german = u"German (Standard)"_s;
    start({vocabularyWithKeyboards(Czech, German)}).show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
    VocabGrid& grid = m_window()->grid();
    grid.setCurrentIndex(grid.model()->index(0, 0));
    grid.setFocus();
    expectKeyboard(Czech, czech);
    QTest::keyClick(&grid, Qt::Key_Right);
    expectKeyboard(German, german);
    QVERIFY(openForm(u"mnuEntryAdd"_s));
    expectKeyboard(Czech, czech);

    // A window of another program takes the focus; back in the main window, the definitions
    // column has it again.
    QWindow elsewhere;
    elsewhere.show();
    elsewhere.requestActivate();
    QTRY_VERIFY(!QApplication::activeWindow());
    expectKeyboard(UsEnglish, QString());
    m_window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_window());
    expectKeyboard(German, german);
}

void TestMainWindow::exitGivesBackTheLayoutOfASheetWithoutFocus()
{
    // Opened from the menu while no widget has the focus, the sheet switches to its layout at
    // once; Exit gives the user's own back although the sheet never had the focus.
    start().show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
    if (QWidget* startPage = QApplication::focusWidget())
        startPage->clearFocus();
    m_fx->files.expect(vocabularyWithKeyboards(Czech, German));
    action(u"mnuVocOpen"_s)->trigger();
    QCOMPARE(m_fx->backend.activeLayout(), Czech);
    QVERIFY(!m_window()->grid().hasFocus());
    m_window()->close();
    QCOMPARE(m_fx->backend.activeLayout(), UsEnglish);
}

void TestMainWindow::formsGoWithTheirVocabulary_data()
{
    QTest::addColumn<QString>("command"); // what makes the vocabulary go
    QTest::addColumn<QString>("after");   // the file open afterwards, unless the form is kept
    QTest::addColumn<bool>("typed");
    QTest::addColumn<MessageAnswer>("answer"); // to "Discard changes?"

    QTest::newRow("open, untouched")
        << u"mnuVocOpen"_s << u"b.lxm"_s << false << MessageAnswer::Yes;
    QTest::newRow("open, kept") << u"mnuVocOpen"_s << u"b.lxm"_s << true << MessageAnswer::No;
    QTest::newRow("recent, discarded")
        << u"mnuVocabRecent2"_s << u"b.lxm"_s << true << MessageAnswer::Yes;
    QTest::newRow("new, discarded") << u"mnuVocNew"_s << u"c.lxm"_s << true << MessageAnswer::Yes;
    QTest::newRow("close, kept") << u"mnuVocClose"_s << QString() << true << MessageAnswer::No;
    QTest::newRow("exit, kept") << u"mnuVocExit"_s << u"a.lxm"_s << true << MessageAnswer::No;
    QTest::newRow("exit, discarded") << u"mnuVocExit"_s << u"a.lxm"_s << true << MessageAnswer::Yes;
}

void TestMainWindow::formsGoWithTheirVocabulary()
{
    QFETCH(QString, command);
    QFETCH(QString, after);
    QFETCH(bool, typed);
    QFETCH(MessageAnswer, answer);

    // Entries with the same IDs in both files.
    const QString a = vocabulary(u"a.lxm"_s, 3);
    const QString b = m_fx->vocabulary(u"b.lxm"_s, {u"eins|x"_s, u"zwei|x"_s, u"drei|x"_s});
    const auto entriesOf = [](const QString& path) {
        Database db;
        return db.open(path) ? SqlQuery::scalar(db,
                                                u"SELECT group_concat(ID || Headword) "
                                                "FROM Headwords"_s)
                                   ->toString()
                             : QString();
    };
    const QString bEntries = entriesOf(b);
    start({b}).show();
    m_fx->files.expect(a);
    action(u"mnuVocOpen"_s)->trigger(); // b is the second recent vocabulary now
    QPointer<EntryForm> form = openForm(u"mnuEntryEdit"_s);
    QVERIFY(form);
    const QObject* formWindow = form;
    if (typed) {
        form->findChild<QLineEdit*>(u"txtHead"_s)->setText(u"cambiado"_s);
        m_fx->messages.expect(answer);
    }
    const bool kept = typed && answer == MessageAnswer::No;
    const QString opened = after.isEmpty() ? QString() : m_fx->path(after);
    if (!kept && (command == u"mnuVocOpen"_s || command == u"mnuVocNew"_s))
        m_fx->files.expect(opened);
    action(command)->trigger();

    // Only a form with changes asks, over itself; No keeps everything as it was.
    QCOMPARE(m_fx->messages.shown().size(), int(typed));
    if (typed)
        QCOMPARE(m_fx->messages.shown().first().window, formWindow);
    QCOMPARE(form && form->isVisible(), kept);
    QCOMPARE(m_window()->session().current().path, kept ? a : opened);
    QCOMPARE(m_window()->isVisible(), kept || command != u"mnuVocExit"_s);
    QCOMPARE(entriesOf(b), bEntries);
    if (form)
        form->dismiss();
}

void TestMainWindow::keyboardComesBackToTheFormAfterABox_data()
{
    QTest::addColumn<bool>("closing"); // the close box, with changes kept; else Add

    QTest::newRow("no definition") << false;
    QTest::newRow("changes kept") << true;
}

void TestMainWindow::keyboardComesBackToTheFormAfterABox()
{
    QFETCH(bool, closing);

    start({vocabulary(u"a.lxm"_s)}).show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
    QPointer<EntryForm> form = openForm(u"mnuEntryAdd"_s);
    QVERIFY(form);
    auto* head = form->findChild<QLineEdit*>(u"txtHead"_s);
    QTest::keyClicks(head, u"Kuh"_s);
    // As a window manager does when a box that belongs to the main window closes: the main
    // window is active again, with the data sheet focused.
    m_fx->messages.setOnShow([this](const Message&) {
        m_window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window()));
        m_window()->grid().setFocus();
    });
    if (closing) {
        m_fx->messages.expect(MessageAnswer::No);
        form->close();
    } else {
        form->findChild<QPushButton*>(u"cmdAdd"_s)->click();
    }
    m_fx->messages.setOnShow({});
    QCOMPARE(m_fx->messages.shown().size(), 1);

    // The next key goes on typing in the form, instead of editing the data sheet.
    QTRY_VERIFY(head->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QCOMPARE(head->text(), u"Kuhs"_s);
    QVERIFY(!m_window()->grid().isEditing());
    form->dismiss();
}

void TestMainWindow::failedNewKeepsTheOpenVocabulary()
{
    QVERIFY(QFile::remove(m_fx->programDir() + u"vocab.mdn"_s));
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    start({path}).show();
    const QByteArray before = fileBytes(path);
    m_fx->files.expect(path); // New over the open file
    action(u"mnuVocNew"_s)->trigger();

    QCOMPARE(m_fx->messages.shown().size(), 1);
    QVERIFY(m_fx->messages.shown().first().text.startsWith(u"Cannot create new database."_s));
    QVERIFY(m_window()->session().isOpen());
    QCOMPARE(m_window()->windowTitle(), u"Mine - Lex Mint"_s);
    QCOMPARE(m_window()->grid().model()->rowCount(), 2);
    QCOMPARE(fileBytes(path), before);
    m_window()->close();
    QCOMPARE(SettingsStore(m_fx->path(u"settings.conf"_s)).text(SettingsKey::StartupDB), path);
}

void TestMainWindow::unreadableVocabularyIsReported()
{
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    start({path}).show();
    QVERIFY(damageFile(path));
    action(u"mnuViewRefresh"_s)->trigger();
    // One report, with the cause, once the refresh is over.
    QVERIFY(m_fx->messages.shown().isEmpty());
    QTRY_COMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(m_fx->messages.shown().first().text,
             u"The vocabulary could not be read.\r\nfile is not a database"_s);
}

void TestMainWindow::slowTestModeIsLeftOut()
{
    // A mode whose query looks for a row that never comes.
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    QVERIFY(execRaw(path,
                    u"DROP VIEW \"All\"; CREATE VIEW \"All\" AS WITH RECURSIVE n(i) AS "
                    "(SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i AS ID, 'x' AS Headword, "
                    "NULL AS LastTestedOn, 0 AS Tested, 0 AS Correct, -1 AS LastOK "
                    "FROM n WHERE i < 0"_s));
    start({path});
    QCOMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(m_fx->messages.shown().first().text,
             u"The test mode \"All\" takes too long to read and was left out"_s);
    QVERIFY(!action(u"test"_s)->isEnabled());
    // Reading the entries again, as after every change, does not report it again.
    m_window()->contextUpdate();
    QCOMPARE(m_fx->messages.shown().size(), 1);
}

void TestMainWindow::damagedVocabularyOffersToSaveWhatCanBeRead()
{
    const QString whole = m_fx->vocabulary(u"whole.lxm"_s, {});
    QVERIFY(addManyEntries(whole, 400));
    const QString damaged =
        writeFile(m_fx->path(QString()), u"damaged.lxm"_s, fileBytes(whole).chopped(1000));
    const QByteArray before = fileBytes(damaged);
    const QString saved = m_fx->path(u"saved.lxm"_s);
    m_fx->messages.expect(MessageAnswer::Yes);
    m_fx->files.expect(saved);
    m_fx->messages.expect(MessageAnswer::Ok);

    start({damaged});
    // Open, read-only, until the user has chosen where to save what can be read.
    QCOMPARE(m_fx->messages.shown().first().icon, MessageIcon::Critical);
    QVERIFY(m_fx->messages.shown().first().text.startsWith(
        u"The vocabulary file %1 is damaged."_s.arg(damaged)));
    QVERIFY(panel(u"filepath"_s).endsWith(u"(read-only)"_s));
    QTRY_COMPARE(m_window()->windowTitle(), u"Saved - Lex Mint"_s);
    QVERIFY(m_fx->messages.shown().last().text.endsWith(u"entries were saved in %1."_s.arg(saved)));
    QVERIFY(!m_window()->session().isReadOnly());
    QVERIFY(panel(u"no_entries"_s).section(u' ', 0, 0).toInt() > 300);
    QCOMPARE(fileBytes(damaged), before);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
