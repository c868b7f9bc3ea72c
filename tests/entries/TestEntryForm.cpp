#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "entries/EntryForms.h"
#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardSwitcher.h"
#include "store/EntryWriter.h"
#include "store/SqlQuery.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 German = 0x04070407;

// Rows of the data sheet: Apfel 0, Baum 1-2, Haus 3, zapato 4.
const QStringList Entries{u"Apfel|apple"_s, u"Baum|tree|wood"_s, u"Haus|house"_s,
                          u"zapato|shoe"_s};
enum Entry { Apfel, Baum, Haus, Zapato };

} // namespace

class TestEntryForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void captionsAndButtons();
    void savesTheLinesAsTyped_data();
    void savesTheLinesAsTyped();
    void duplicateQuestion_data();
    void duplicateQuestion();
    void editKeepsStatisticsUnderANewId_data();
    void editKeepsStatisticsUnderANewId();
    void failedWriteKeepsTheTypedText_data();
    void failedWriteKeepsTheTypedText();
    void entryDeletedMeanwhile_data();
    void entryDeletedMeanwhile();
    void deleteMovesToTheNeighbour_data();
    void deleteMovesToTheNeighbour();
    void closeReturnsToTheStartRow_data();
    void closeReturnsToTheStartRow();
    void keys_data();
    void keys();
    void keyboardFollowsTheFocus();
    void oneEditFormPerEntry();

private:
    EntryForm* openForm(std::optional<qint64> id, qint16 bits = entryformbits::KeysMove);
    QLineEdit* head() const { return m_form->findChild<QLineEdit*>(u"txtHead"_s); }
    QPlainTextEdit* definition() const { return m_form->findChild<QPlainTextEdit*>(u"txtDef"_s); }
    QPushButton* button(const QString& name) const
    {
        return m_form->findChild<QPushButton*>(name);
    }
    void showInVocabulary(const QString& headword);
    QStringList stored() const;
    QString statistics(qint64 id) const;
    qint64 idOf(const QString& headword) const;

    std::unique_ptr<StoreFixture> m_fixture;
    QList<qint64> m_ids;
    std::unique_ptr<TestVocabularyHost> m_host;
    FakeMessageService m_messages;
    std::unique_ptr<FakeKeyboardBackend> m_backend;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    QPointer<EntryForm> m_form;
};

void TestEntryForm::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_ids = m_fixture->addEntries(Entries);
    QCOMPARE(m_ids.size(), Entries.size());
    m_host = std::make_unique<TestVocabularyHost>(
        VocabInfo{m_fixture->path(), 50, 0, German, KeybCurrent, vocabflags::WarnDoubles});
    QVERIFY(m_host->isAttached());
    m_backend = std::make_unique<FakeKeyboardBackend>(QList<qint32>{UsEnglish, German}, UsEnglish);
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
}

void TestEntryForm::cleanup()
{
    delete m_form;
    QVERIFY(m_messages.allAnswersUsed());
    m_messages.clear();
    m_messages.setOnShow({});
    m_host.reset();
}

EntryForm* TestEntryForm::openForm(std::optional<qint64> id, qint16 bits)
{
    m_form = new EntryForm(*m_host, m_messages, *m_switcher, m_fixture->clock, bits, id);
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    m_form->show();
    return QTest::qWaitForWindowActive(m_form) ? m_form.data() : nullptr;
}

void TestEntryForm::showInVocabulary(const QString& headword)
{
    QVERIFY(m_host->sources().vocabulary().findFirst(u"Headword = \"%1\""_s.arg(headword)));
}

// The entries of the file as "headword|line|line", by ID.
QStringList TestEntryForm::stored() const
{
    Database db;
    if (!db.open(m_fixture->path()))
        return {u"unreadable"_s};
    SqlQuery entries(db, u"SELECT h.Headword || coalesce((SELECT group_concat('|' || Definition, "
                         "'') FROM (SELECT Definition FROM Definitions d WHERE d.ID = h.ID "
                         "ORDER BY d.rowid)), '') FROM Headwords h ORDER BY h.ID"_s);
    QStringList result;
    if (entries.exec())
        while (entries.next())
            result.append(entries.value(0).toString());
    return result;
}

QString TestEntryForm::statistics(qint64 id) const
{
    Database db;
    if (!db.open(m_fixture->path()))
        return {};
    return SqlQuery::scalar(db,
                            u"SELECT LastTestedOn || ' ' || Tested || ' ' || Correct || ' ' || "
                            "LastOK FROM Headwords WHERE ID = ?"_s,
                            {id})
        .value_or(QVariant())
        .toString();
}

qint64 TestEntryForm::idOf(const QString& headword) const
{
    Database db;
    if (!db.open(m_fixture->path()))
        return 0;
    return SqlQuery::scalar(db, u"SELECT ID FROM Headwords WHERE Headword = ?"_s, {headword})
        .value_or(0)
        .toLongLong();
}

void TestEntryForm::captionsAndButtons()
{
    QVERIFY(openForm(std::nullopt));
    QCOMPARE(m_form->objectName(), u"frmAdd"_s);
    QCOMPARE(m_form->windowTitle(), u"Add New Entry"_s);
    QCOMPARE(button(u"cmdAdd"_s)->text(), u"Add"_s);
    QCOMPARE(button(u"cmdClose"_s)->text(), u"Close"_s);
    QVERIFY(!button(u"cmdDel"_s)->isVisible());
    QCOMPARE(head()->maxLength(), 50);
    const int addModeClose = button(u"cmdClose"_s)->x();
    delete m_form;

    QVERIFY(openForm(m_ids[Baum]));
    QCOMPARE(m_form->windowTitle(), u"Baum - Edit Entry"_s);
    QCOMPARE(head()->text(), u"Baum"_s);
    QCOMPARE(definition()->toPlainText(), u"tree\nwood"_s);
    QCOMPARE(button(u"cmdAdd"_s)->text(), u"OK"_s);
    QCOMPARE(button(u"cmdClose"_s)->text(), u"Cancel"_s);
    // Delete takes the place of Close, which moves on by Delete's width and the same gap.
    const QRect add = button(u"cmdAdd"_s)->geometry();
    const QRect del = button(u"cmdDel"_s)->geometry();
    QVERIFY(button(u"cmdDel"_s)->isVisible());
    QCOMPARE(del.x(), addModeClose);
    QCOMPARE(button(u"cmdClose"_s)->x(), del.right() + (del.x() - add.right()));
}

void TestEntryForm::savesTheLinesAsTyped_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // to the truncation question, if one is asked
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("saved"); // the new entry; empty when nothing is written

    const QString hundred(100, u'd');
    const QStringList lines26(26, u"line"_s);
    QTest::newRow("empty line dropped, blanks trimmed")
        << u"Kuh"_s << u"cow\r\n\r\n  cattle  "_s << QString() << QString() << u"Kuh|cow|cattle"_s;
    QTest::newRow("headword as typed") << u" Kuh "_s << u"cow"_s << QString() << QString()
                                       << u" Kuh |cow"_s;
    QTest::newRow("100 characters") << u"Kuh"_s << hundred << QString() << QString()
                                    << u"Kuh|"_s + hundred;
    QTest::newRow("101 characters, truncated")
        << u"Kuh"_s << hundred + u'x' << u"Yes"_s
        << u"Definition Too Long: Truncate the definition to \"%1\" ?"_s.arg(hundred)
        << u"Kuh|"_s + hundred;
    QTest::newRow("101 characters, kept")
        << u"Kuh"_s << hundred + u'x' << u"No"_s
        << u"Definition Too Long: Truncate the definition to \"%1\" ?"_s.arg(hundred) << QString();
    QTest::newRow("26 lines") << u"Kuh"_s << lines26.join(u'\n') << QString() << QString()
                              << u"Kuh|"_s + lines26.join(u'|');
    QTest::newRow("27 lines")
        << u"Kuh"_s << (lines26 + QStringList{u"more"_s}).join(u'\n') << QString()
        << u"Bad Entry: An entry can have at most 26 definition lines."_s << QString();
    QTest::newRow("no headword") << QString() << u"cow"_s << QString()
                                 << u"Bad Entry: Please enter a headword!"_s << QString();
    QTest::newRow("blank definition") << u"Kuh"_s << u" \n "_s << QString()
                                      << u"Bad Entry: Please enter a definition!"_s << QString();
    QTest::newRow("nothing typed") << QString() << QString() << QString()
                                   << u"Bad Entry: Please enter a headword and a definition"_s
                                   << QString();
}

void TestEntryForm::savesTheLinesAsTyped()
{
    QFETCH(QString, headword);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(QString, saved);

    QVERIFY(openForm(std::nullopt));
    head()->setText(headword);
    definition()->setPlainText(typed);
    if (!answer.isEmpty())
        m_messages.expect(answer == u"Yes"_s ? MessageAnswer::Yes : MessageAnswer::No);
    button(u"cmdAdd"_s)->click();

    QStringList shown;
    for (const Message& box : m_messages.shown())
        shown.append(box.title + u": "_s + box.text);
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(stored(), saved.isEmpty() ? Entries : Entries + QStringList{saved});
    // The add form stays open: emptied after a save, with the typed text otherwise.
    QVERIFY(m_form->isVisible());
    QCOMPARE(head()->text(), saved.isEmpty() ? headword : QString());
    QCOMPARE(definition()->toPlainText(), saved.isEmpty() ? typed : QString());
    QCOMPARE(m_host->dataRefreshes(), saved.isEmpty() ? 0 : 1);
    QTRY_VERIFY(head()->hasFocus());
}

void TestEntryForm::duplicateQuestion_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("edited"); // -1: a new entry
    QTest::addColumn<QString>("headword");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");

    const int warn = vocabflags::WarnDoubles;
    QTest::newRow("add existing, cancelled") << warn << -1 << u"zapato"_s << true << false;
    QTest::newRow("add case only, confirmed") << warn << -1 << u"ZAPATO"_s << true << true;
    QTest::newRow("add existing, no warning") << 0 << -1 << u"zapato"_s << false << true;
    QTest::newRow("edit, headword untouched") << warn << int(Zapato) << u"zapato"_s << false
                                              << true;
    // The search ignores letter case, so it finds the entry itself.
    QTest::newRow("edit, case only") << warn << int(Zapato) << u"Zapato"_s << true << true;
    QTest::newRow("edit to another's, cancelled") << warn << int(Apfel) << u"zapato"_s << true
                                                  << false;
    QTest::newRow("edit to another's, no warning") << 0 << int(Apfel) << u"zapato"_s << false
                                                   << true;
}

void TestEntryForm::duplicateQuestion()
{
    QFETCH(int, flags);
    QFETCH(int, edited);
    QFETCH(QString, headword);
    QFETCH(bool, asked);
    QFETCH(bool, written);

    m_host->vocabulary().flags = flags;
    QVERIFY(openForm(edited < 0 ? std::nullopt : std::optional<qint64>(m_ids[edited])));
    head()->setText(headword);
    definition()->setPlainText(u"typed"_s);
    if (asked)
        m_messages.expect(written ? MessageAnswer::Ok : MessageAnswer::Cancel);
    button(u"cmdAdd"_s)->click();

    QCOMPARE(m_messages.shown().size(), asked ? 1 : 0);
    if (asked) {
        const Message& question = m_messages.shown().constFirst();
        QCOMPARE(question.title, u"Headword \"%1\" already in the vocabulary"_s.arg(headword));
        QCOMPARE(question.text, u"Create new entry?"_s);
        QCOMPARE(question.buttons, MessageButtons::OkCancel);
    }
    QCOMPARE(stored().contains(headword + u"|typed"_s), written);
    QCOMPARE(stored().size(), Entries.size() + (written && edited < 0 ? 1 : 0));
}

void TestEntryForm::editKeepsStatisticsUnderANewId_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("meanwhile"); // a test answer while the form is open
    QTest::addColumn<QString>("after");

    QTest::newRow("never tested") << QString() << QString() << u"2026-03-14 0 0 -1"_s;
    QTest::newRow("tested") << u"LastTestedOn = '2025-01-02', Tested = 5, Correct = 3, LastOK = 0"_s
                            << QString() << u"2025-01-02 5 3 0"_s;
    QTest::newRow("answered while editing")
        << u"LastTestedOn = '2025-01-02', Tested = 5, Correct = 3, LastOK = 0"_s
        << u"LastTestedOn = '2026-03-14', Tested = 6, Correct = 4, LastOK = 1"_s
        << u"2026-03-14 6 4 1"_s;
}

void TestEntryForm::editKeepsStatisticsUnderANewId()
{
    QFETCH(QString, before);
    QFETCH(QString, meanwhile);
    QFETCH(QString, after);

    const qint64 id = m_ids[Zapato];
    const QString update = u"UPDATE Headwords SET %1 WHERE ID = %2"_s;
    if (!before.isEmpty())
        QVERIFY(m_fixture->execRaw(update.arg(before).arg(id)));
    QVERIFY(openForm(id));
    if (!meanwhile.isEmpty())
        QVERIFY(m_fixture->execRaw(update.arg(meanwhile).arg(id)));
    definition()->setPlainText(u"shoe\nboot"_s);
    button(u"cmdAdd"_s)->click();

    QTRY_VERIFY(!m_form);
    QCOMPARE(stored().constLast(), u"zapato|shoe|boot"_s);
    QVERIFY(statistics(id).isEmpty());
    const qint64 newId = idOf(u"zapato"_s);
    QVERIFY(newId > id);
    QCOMPARE(statistics(newId), after);
    QCOMPARE(m_host->shownHeadwords(), QStringList{u"zapato"_s});
    QCOMPARE(m_host->contextUpdates(), 1);
}

void TestEntryForm::failedWriteKeepsTheTypedText_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("message");

    QTest::newRow("replace aborted between its halves")
        << u"trigger"_s << true << u"The changes were not saved.\r\ncrash"_s;
    QTest::newRow("read-only file, edit")
        << u"read-only"_s << true
        << u"The changes were not saved.\r\nThe vocabulary file is read-only, so the change was "
           "not saved."_s;
    QTest::newRow("read-only file, add")
        << u"read-only"_s << false
        << u"The entry was not saved.\r\nThe vocabulary file is read-only, so the change was "
           "not saved."_s;
    QTest::newRow("file held by another program")
        << u"busy"_s << true
        << u"The changes were not saved.\r\nThe vocabulary is in use by another program. Nothing "
           "was changed; try again once the other program has finished with it."_s;
}

void TestEntryForm::failedWriteKeepsTheTypedText()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, editing);
    QFETCH(QString, message);

    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> other(nullptr, &sqlite3_close);
    if (obstacle == u"trigger"_s) {
        // Fails the removal of the old entry, after its replacement has been written.
        QVERIFY(m_fixture->execRaw(u"CREATE TRIGGER Crash BEFORE DELETE ON Headwords "
                                   "BEGIN SELECT RAISE(ABORT, 'crash'); END"_s));
    } else if (obstacle == u"read-only"_s) {
        QVERIFY(SqlQuery(*m_host->sources().database(), u"PRAGMA query_only = ON"_s).exec());
    } else {
        sqlite3* handle = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_fixture->path()).constData(), &handle),
                 SQLITE_OK);
        other.reset(handle);
        QCOMPARE(sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    QVERIFY(openForm(editing ? std::optional<qint64>(m_ids[Zapato]) : std::nullopt));
    head()->setText(u"Zapatos"_s);
    definition()->setPlainText(u"shoes\nboots"_s);
    button(u"cmdAdd"_s)->click();

    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().constFirst().text, message);
    QCOMPARE(m_messages.shown().constFirst().icon, MessageIcon::Exclamation);
    other.reset();
    // The old entry is whole and the new one is not there at all.
    QCOMPARE(stored(), Entries);
    QVERIFY(m_form && m_form->isVisible());
    QCOMPARE(head()->text(), u"Zapatos"_s);
    QCOMPARE(definition()->toPlainText(), u"shoes\nboots"_s);
    QCOMPARE(m_host->dataRefreshes(), 0);
}

void TestEntryForm::entryDeletedMeanwhile_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("after");

    const QStringList withoutZapato = Entries.first(Zapato);
    QTest::newRow("never there") << u"open missing"_s << Entries;
    QTest::newRow("deleted, then saved")
        << u"save"_s << withoutZapato + QStringList{u"zapato|boots"_s};
    QTest::newRow("deleted, then deleted") << u"delete"_s << withoutZapato;
}

void TestEntryForm::entryDeletedMeanwhile()
{
    QFETCH(QString, action);
    QFETCH(QStringList, after);

    if (action == u"open missing"_s) {
        QVERIFY(openForm(999));
        QCOMPARE(head()->text(), QString());
        button(u"cmdClose"_s)->click();
    } else {
        QVERIFY(openForm(m_ids[Zapato]));
        // Another window deletes the entry while the form shows it.
        QVERIFY(EntryWriter(*m_host->sources().database(), m_fixture->clock)
                    .deleteEntry(m_ids[Zapato]));
        definition()->setPlainText(u"boots"_s);
        button(action == u"save"_s ? u"cmdAdd"_s : u"cmdDel"_s)->click();
    }
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().constFirst().title, u"Application Error"_s);
    QTRY_VERIFY(!m_form);
    QCOMPARE(stored(), after);
    if (action == u"save"_s)
        QCOMPARE(statistics(idOf(u"zapato"_s)), u"2026-03-14 0 0 -1"_s);
}

void TestEntryForm::deleteMovesToTheNeighbour_data()
{
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("headword"); // typed over the loaded one before deleting
    QTest::addColumn<QString>("current");

    QTest::newRow("shown entry: the next follows") << int(Baum) << int(Baum) << QString()
                                                   << u"Haus"_s;
    QTest::newRow("shown last entry: the one before") << int(Zapato) << int(Zapato) << QString()
                                                      << u"Haus"_s;
    QTest::newRow("another entry shown stays") << int(Apfel) << int(Zapato) << QString()
                                               << u"zapato"_s;
    // The neighbour is that of the deleted entry, not of what was typed.
    QTest::newRow("headword typed over") << int(Baum) << int(Baum) << u"Zebra"_s << u"Haus"_s;
}

void TestEntryForm::deleteMovesToTheNeighbour()
{
    QFETCH(int, deleted);
    QFETCH(int, shown);
    QFETCH(QString, headword);
    QFETCH(QString, current);

    showInVocabulary(Entries.at(shown).section(u'|', 0, 0));
    QVERIFY(openForm(m_ids[deleted]));
    if (!headword.isEmpty())
        head()->setText(headword);
    button(u"cmdDel"_s)->click();

    QTRY_VERIFY(!m_form);
    QVERIFY(m_messages.shown().isEmpty());
    QVERIFY(!stored().contains(Entries.at(deleted)));
    QCOMPARE(m_host->currentHeadword(), current);
    QCOMPARE(m_host->shownHeadwords(), QStringList{current});
    QCOMPARE(m_host->contextUpdates(), 1);
}

void TestEntryForm::closeReturnsToTheStartRow_data()
{
    QTest::addColumn<int>("edited"); // -1: a new entry
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("discard");
    QTest::addColumn<QString>("current");

    QTest::newRow("nothing typed") << -1 << QStringList() << QString() << true << u"Haus"_s;
    QTest::newRow("typed, discarded") << -1 << QStringList() << u"Kuh"_s << true << u"Haus"_s;
    QTest::newRow("typed, kept") << -1 << QStringList() << u"Kuh"_s << false << u"Apfel"_s;
    QTest::newRow("edit typed, discarded") << int(Baum) << QStringList() << u"Bäume"_s << true
                                           << u"Haus"_s;
    QTest::newRow("two added") << -1 << QStringList{u"Kuh|cow"_s, u"Esel|donkey"_s} << QString()
                               << true << u"Esel"_s;
}

void TestEntryForm::closeReturnsToTheStartRow()
{
    QFETCH(int, edited);
    QFETCH(QStringList, added);
    QFETCH(QString, typed);
    QFETCH(bool, discard);
    QFETCH(QString, current);

    showInVocabulary(u"Haus"_s);
    QVERIFY(openForm(edited < 0 ? std::nullopt : std::optional<qint64>(m_ids[edited])));
    QVERIFY(m_host->sources().vocabulary().setAbsolutePosition(0));
    for (const QString& entry : added) {
        head()->setText(entry.section(u'|', 0, 0));
        definition()->setPlainText(entry.section(u'|', 1));
        button(u"cmdAdd"_s)->click();
        QCOMPARE(head()->text(), QString());
        QCOMPARE(m_host->currentHeadword(), entry.section(u'|', 0, 0));
    }
    if (!typed.isEmpty()) {
        head()->setText(typed);
        m_messages.expect(discard ? MessageAnswer::Yes : MessageAnswer::No);
    }
    button(u"cmdClose"_s)->click();

    if (!typed.isEmpty())
        QCOMPARE(m_messages.shown().constLast().title,
                 edited < 0 ? u"Cancel Add Confirmation"_s : u"Cancel Edit Confirmation"_s);
    QCOMPARE(m_messages.shown().size(), typed.isEmpty() ? 0 : 1);
    if (discard)
        QTRY_VERIFY(!m_form);
    else
        QVERIFY(m_form->isVisible() && head()->text() == typed);
    QCOMPARE(m_host->currentHeadword(), current);
    QCOMPARE(stored(), Entries + added);
}

void TestEntryForm::keys_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("submitted");

    for (int bits = 0; bits <= 3; ++bits) {
        const bool move = bits & entryformbits::KeysMove;
        const bool twice = bits & entryformbits::DoubleEnterSubmits;
        const auto row = [bits](const char* keys, const QString& focus, bool submitted) {
            QTest::addRow("bits %d: %s", bits, keys)
                << bits << QString::fromLatin1(keys) << focus << submitted;
        };
        row("Down in the headword", move ? u"txtDef"_s : u"txtHead"_s, false);
        row("Enter in the headword", move ? u"txtDef"_s : u"txtHead"_s, false);
        row("Up on the first line", move ? u"txtHead"_s : u"txtDef"_s, false);
        row("Up on the second line", u"txtDef"_s, false);
        row("Enter twice", twice ? u"txtHead"_s : u"txtDef"_s, twice);
        row("Enter, a letter, Enter", u"txtDef"_s, false);
        row("Enter, composed text, Enter", u"txtDef"_s, false);
    }
}

void TestEntryForm::keys()
{
    QFETCH(int, bits);
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(bool, submitted);

    QVERIFY(openForm(std::nullopt, qint16(bits)));
    if (keys.endsWith(u"headword"_s)) {
        head()->setFocus();
        QTest::keyClick(head(), keys.startsWith(u"Down"_s) ? Qt::Key_Down : Qt::Key_Return);
    } else if (keys.startsWith(u"Up"_s)) {
        definition()->setPlainText(u"one\ntwo"_s);
        definition()->setFocus();
        QTextCursor cursor = definition()->textCursor();
        cursor.setPosition(keys.contains(u"first"_s) ? 3 : 5);
        definition()->setTextCursor(cursor);
        QTest::keyClick(definition(), Qt::Key_Up);
    } else {
        head()->setText(u"Kuh"_s);
        definition()->setFocus();
        QTest::keyClicks(definition(), u"cow"_s);
        QTest::keyClick(definition(), Qt::Key_Return);
        if (keys.contains(u"letter"_s))
            QTest::keyClicks(definition(), u"s"_s);
        if (keys.contains(u"composed"_s)) {
            QInputMethodEvent composed;
            composed.setCommitString(u"牛"_s);
            QApplication::sendEvent(definition(), &composed);
        }
        QTest::keyClick(definition(), Qt::Key_Return);
    }
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(stored(), submitted ? Entries + QStringList{u"Kuh|cow"_s} : Entries);
}

void TestEntryForm::keyboardFollowsTheFocus()
{
    QVERIFY(openForm(std::nullopt));
    auto* label = m_form->findChild<QLabel*>(u"lblKeyboard"_s);
    const QPalette colours = m_form->palette();
    // The headword field has the focus on opening: its layout is active and named.
    QTRY_COMPARE(m_backend->activeLayout(), German);
    QCOMPARE(label->text(), u"Ger"_s);
    QCOMPARE(m_host->keyboardLabel(), u"German (Standard)"_s);
    QCOMPARE(label->palette().color(QPalette::Window), colours.color(QPalette::Highlight));
    QCOMPARE(label->palette().color(QPalette::WindowText),
             colours.color(QPalette::HighlightedText));

    // The definition field leaves the layout alone; the user's own comes back.
    QTest::keyClick(head(), Qt::Key_Tab);
    QTRY_VERIFY(definition()->hasFocus());
    QCOMPARE(m_backend->activeLayout(), UsEnglish);
    QCOMPARE(label->text(), u"Cur"_s);
    QCOMPARE(m_host->keyboardLabel(), keyboardName(KeybCurrent));
    QCOMPARE(label->palette().color(QPalette::Window), colours.color(QPalette::Button));
    QCOMPARE(label->palette().color(QPalette::WindowText), colours.color(QPalette::WindowText));

    button(u"cmdAdd"_s)->setFocus();
    QTRY_VERIFY(label->text().isEmpty());
    QCOMPARE(m_host->keyboardLabel(), QString());

    // At the program's end the user's layout comes back once, and only once.
    head()->setFocus();
    QTRY_COMPARE(m_backend->activeLayout(), German);
    m_form->restoreKeyboards();
    QCOMPARE(m_backend->activeLayout(), UsEnglish);
    const qsizetype activations = m_backend->activations().size();
    delete m_form;
    QCOMPARE(m_backend->activations().size(), activations);
}

void TestEntryForm::oneEditFormPerEntry()
{
    QWidget mainWindow;
    EntryForms forms(*m_host, m_messages, *m_switcher, m_fixture->clock, entryformbits::KeysMove,
                     &mainWindow);
    forms.show(std::nullopt, EntryForms::Mode::FromMainWindow);
    forms.show(std::nullopt, EntryForms::Mode::FromMainWindow);
    forms.show(m_ids[Baum], EntryForms::Mode::FromMainWindow);
    forms.show(m_ids[Baum], EntryForms::Mode::FromMainWindow);
    QCOMPARE(forms.openForms().size(), 3);
    QTRY_COMPARE(QApplication::activeWindow(), forms.openForms().constLast());

    // From a test, an entry open in a form is only reported.
    forms.show(m_ids[Baum], EntryForms::Mode::FromTest);
    QCOMPARE(forms.openForms().size(), 3);
    QCOMPARE(m_messages.shown().size(), 1);
    const Message& told = m_messages.shown().constFirst();
    QCOMPARE(told.text, u"The headword is being edited in another window.\r\n"
                        "Please make your changes after you've finished testing."_s);
    QCOMPARE(told.title, QString());
    QCOMPARE(told.icon, MessageIcon::Information);

    // Another entry from a test: a modal form, and show() returns once it is closed.
    bool wasModal = false;
    QTimer::singleShot(0, this, [&] {
        auto* form = qobject_cast<EntryForm*>(QApplication::activeModalWidget());
        wasModal = form && form->entryId() == m_ids[Haus];
        for (EntryForm* open : forms.openForms()) {
            if (open->entryId() == m_ids[Haus])
                open->findChild<QPushButton*>(u"cmdClose"_s)->click();
        }
    });
    forms.show(m_ids[Haus], EntryForms::Mode::FromTest);
    QVERIFY(wasModal);
    QCOMPARE(forms.openForms().size(), 3);

    forms.closeAll();
    QVERIFY(forms.openForms().isEmpty());
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestEntryForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestEntryForm.moc"
