#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "store/SqlQuery.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Rows of the data sheet: Apfel 0, Baum 1-2, Haus 3, zapato 4.
const QStringList Entries{u"Apfel|apple"_s, u"Baum|tree|wood"_s, u"Haus|house"_s, u"zapato|shoe"_s};
enum Entry { New = -1, Apfel, Baum, Haus, Zapato };

// A message box in one line: icon (i, !, ? or x for critical), title, text and the buttons.
QString described(const Message& box)
{
    const QString buttons[] = {QString(), u" [OK/Cancel]"_s, u" [Yes/No]"_s};
    return u" i!?x"_s.at(int(box.icon)) + box.title + u": "_s + box.text
        + buttons[int(box.buttons)];
}

// One press of Add, or of OK when editing.
struct Submit {
    int edited = New;
    QString headword = u"Kuh"_s;
    QString typed = u"cow"_s;
    QString obstacle = {};     // what obstruct() puts in the way once the form is open
    QStringList messages = {}; // the boxes shown, as described(), or how they begin
    QString saved = {};        // the entry written; empty when nothing is written
    QString statistics = {};   // those of the entry written: last tested, tested, correct, last OK
};

// Leaving the form with Delete, with Close (Cancel when editing) or with its close box.
struct Leaving {
    int entry = New;
    QString shown = u"Haus"_s; // by the main window when the form opens
    bool deleting = false;
    bool closeBox = false;
    QString typed = {};                        // over the headword, before leaving
    MessageAnswer answer = MessageAnswer::Yes; // to the question on discarding, when asked
    QStringList messages = {};
    QString current = u"Haus"_s; // the main window's entry afterwards
};

} // namespace

class TestEntryForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void submit_data();
    void submit();
    void leaving_data();
    void leaving();

private:
    EntryForm* openForm(int entry);
    void obstruct(const QString& obstacle, int entry);
    QLineEdit* head() const { return m_form->findChild<QLineEdit*>(u"txtHead"_s); }
    QPlainTextEdit* definition() const { return m_form->findChild<QPlainTextEdit*>(u"txtDef"_s); }
    QPushButton* button(const QString& name) const { return m_form->findChild<QPushButton*>(name); }
    QStringList shown(const QStringList& expected) const;
    bool shownOverTheForm() const;
    std::unique_ptr<StoreFixture> m_fixture;
    QList<qint64> m_ids;
    std::unique_ptr<TestVocabularyHost> m_host;
    FakeMessageService m_messages;
    FakeKeyboardBackend m_backend{{KeybCurrent}, KeybCurrent};
    KeyboardSwitcher m_switcher{m_backend, m_messages};
    KeyboardFocus m_keyboards{m_switcher};
    QPointer<EntryForm> m_form;
    QObject* m_formWindow = nullptr; // kept for comparing once the form is gone
};

void TestEntryForm::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_ids = m_fixture->addEntries(Entries);
    QCOMPARE(m_ids.size(), Entries.size());
    m_host = std::make_unique<TestVocabularyHost>(
        VocabInfo{m_fixture->path(), 50, 0, KeybCurrent, KeybCurrent, vocabflags::WarnDoubles});
    QVERIFY(m_host->isAttached());
}

void TestEntryForm::cleanup()
{
    delete m_form;
    m_host.reset();
    const bool answered = m_messages.allAnswersUsed();
    m_messages.clear(); // also after a failure, so that the next case starts afresh
    QVERIFY(answered);
}

EntryForm* TestEntryForm::openForm(int entry)
{
    const auto id = entry == New ? std::nullopt : std::optional<qint64>(m_ids[entry]);
    m_form = new EntryForm(*m_host, m_messages, m_keyboards, m_fixture->clock,
                           entryformbits::KeysMove, id);
    m_formWindow = m_form;
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    m_form->show();
    return QTest::qWaitForWindowActive(m_form) ? m_form.data() : nullptr;
}

// Changes the file behind the open form's back, as another window or program would.
void TestEntryForm::obstruct(const QString& obstacle, int entry)
{
    if (obstacle == u"trigger") { // fails the removal of the replaced entry
        QVERIFY(m_fixture->execRaw(u"CREATE TRIGGER Crash BEFORE DELETE ON Headwords "
                                   "BEGIN SELECT RAISE(ABORT, 'crash'); END"_s));
    } else if (obstacle == u"read-only") {
        QVERIFY(SqlQuery(*m_host->sources().database(), u"PRAGMA query_only = ON"_s).exec());
    } else if (obstacle == u"tested") { // an answer in a test
        QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET LastTestedOn = '2025-01-02', Tested = "
                                   "5, Correct = 3, LastOK = 0 WHERE ID = %1"_s.arg(m_ids[entry])));
    }
}

// The boxes shown, as described() and each cut to the length of the one expected.
QStringList TestEntryForm::shown(const QStringList& expected) const
{
    QStringList result;
    for (const Message& box : m_messages.shown())
        result.append(described(box).left(expected.value(result.size()).size()));
    return result;
}

// Every box of the form belongs to the form, so that it stays over the form and the keyboard
// comes back to the form.
bool TestEntryForm::shownOverTheForm() const
{
    return std::ranges::all_of(m_messages.shown(),
                               [this](const Message& box) { return box.window == m_formWindow; });
}

// The entries of the file as "headword|line|line", by ID, read through the form's own connection.
void TestEntryForm::submit_data()
{
    QTest::addColumn<Submit>("press");

    const QString lines26 = QStringList(26, u"line"_s).join(u'\n');
    QTest::newRow("lines trimmed, headword as typed") << Submit{.headword = u" Kuh "_s,
                                                                .typed = u"cow\r\n\r\n  cattle  "_s,
                                                                .saved = u" Kuh |cow|cattle"_s};
    QTest::newRow("27 lines") << Submit{
        .typed = lines26 + u"\nmore"_s,
        .messages = {u"!Bad Entry: An entry can have at most 26 definition lines."_s}};
    QTest::newRow("headword of blanks") << Submit{
        .headword = u" \u00a0 "_s, .messages = {u"!Bad Entry: Please enter a headword!"_s}};

    // The replacement takes the statistics the entry has when it is written, and a new ID (so
    // it is stored last).
    QTest::newRow("edit, tested while open") << Submit{.edited = Baum,
                                                       .headword = u"Baum"_s,
                                                       .typed = u"tree\nwood\ntimber"_s,
                                                       .obstacle = u"tested"_s,
                                                       .saved = u"Baum|tree|wood|timber"_s,
                                                       .statistics = u"2025-01-02 5 3 0"_s};
    // A failed write leaves the old entry whole and the new one not there at all; the store's
    // description of the fault follows the form's first line.
    QTest::newRow("replace aborted between its halves")
        << Submit{.edited = Zapato,
                  .obstacle = u"trigger"_s,
                  .messages = {u"!: The changes were not saved.\r\ncrash"_s}};
    QTest::newRow("read-only file")
        << Submit{.obstacle = u"read-only"_s,
                  .messages = {u"!: The entry was not saved.\r\nThe vocabulary "
                               "file is read-only"_s}};
}

void TestEntryForm::submit()
{
    QFETCH(Submit, press);

    QVERIFY(openForm(press.edited));
    if (press.edited != New) // the edit form shows the entry's lines
        QCOMPARE(head()->text() + u'|' + definition()->toPlainText().replace(u'\n', u'|'),
                 Entries[press.edited]);
    obstruct(press.obstacle, press.edited);
    head()->setText(press.headword);
    definition()->setPlainText(press.typed);
    definition()->setFocus();
    button(u"cmdAdd"_s)->click();

    QCOMPARE(shown(press.messages), press.messages);
    QVERIFY(shownOverTheForm());
    const bool saved = !press.saved.isEmpty();
    QStringList after = Entries;
    if (saved && press.edited != New)
        after.removeAt(press.edited);
    QCOMPARE(storedEntries(*m_host->sources().database()),
             saved ? after + QStringList{press.saved} : Entries);
    if (!press.statistics.isEmpty())
        QCOMPARE(entryStatistics(*m_host->sources().database(), press.saved.section(u'|', 0, 0)),
                 press.statistics);
    // The main window shows the saved entry; the add form empties, the edit form closes.
    QCOMPARE(m_host->dataRefreshes(), int(saved));
    QCOMPARE(m_host->shownHeadwords().isEmpty(), !saved);
    QTRY_COMPARE(m_form.isNull(), saved && press.edited != New);
    if (m_form) { // a refused entry keeps what was typed
        QVERIFY(m_form->isVisible());
        QCOMPARE(head()->text(), saved ? QString() : press.headword);
        QCOMPARE(definition()->toPlainText(), saved ? QString() : press.typed);
        QTRY_VERIFY(head()->hasFocus());
    }
}

void TestEntryForm::leaving_data()
{
    QTest::addColumn<Leaving>("leave");

    const QString discard = u"?Cancel %1 Confirmation: Discard changes? [Yes/No]"_s;
    QTest::newRow("delete shown: the next follows")
        << Leaving{.entry = Baum, .shown = u"Baum"_s, .deleting = true};
    // Close goes back to the entry shown at opening.
    QTest::newRow("close untouched") << Leaving{};
    // The close box asks as Close does, and leaves the main window where it is.
    QTest::newRow("close box on an edit, kept") << Leaving{.entry = Baum,
                                                           .closeBox = true,
                                                           .typed = u"Bäume"_s,
                                                           .answer = MessageAnswer::No,
                                                           .messages = {discard.arg(u"Edit"_s)},
                                                           .current = u"Apfel"_s};
}

void TestEntryForm::leaving()
{
    QFETCH(Leaving, leave);

    DataSource& vocabulary = m_host->sources().vocabulary();
    QVERIFY(vocabulary.findFirst(u"Headword = \"%1\""_s.arg(leave.shown)));
    QVERIFY(openForm(leave.entry));
    if (!leave.deleting) // the user moves on in the main window
        QVERIFY(vocabulary.setAbsolutePosition(0));
    if (!leave.typed.isEmpty())
        head()->setText(leave.typed);
    if (!leave.deleting && !leave.typed.isEmpty())
        m_messages.expect(leave.answer);
    if (leave.closeBox)
        m_form->close();
    else
        button(leave.deleting ? u"cmdDel"_s : u"cmdClose"_s)->click();

    QCOMPARE(shown(leave.messages), leave.messages);
    QVERIFY(shownOverTheForm());
    QTRY_COMPARE(m_form.isNull(), leave.answer == MessageAnswer::Yes);
    if (m_form) { // kept with what was typed
        QVERIFY(m_form->isVisible());
        QCOMPARE(head()->text(), leave.typed);
    }
    QCOMPARE(m_host->currentHeadword(), leave.current);
    QCOMPARE(m_host->contextUpdates(), int(leave.deleting));
    QStringList after = Entries;
    if (leave.deleting)
        after.removeAt(leave.entry);
    QCOMPARE(storedEntries(*m_host->sources().database()), after);
}

QTEST_MAIN(TestEntryForm)

#include "TestEntryForm.moc"
