#include "support/StoreFixture.h"

#include "store/DataSource.h"
#include "store/EntryWriter.h"
#include "store/QueryBudget.h"
#include "store/Salvage.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"
#include "support/FakeMessageService.h"
#include "support/FileSystemObstacles.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <sqlite3.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Three entries with six definition lines.
const QStringList Entries{u"alpha|one|two"_s, u"beta|three"_s, u"gamma|four|five|six"_s};

qint64 count(const Database& db, const QString& sql)
{
    return SqlQuery::scalar(db, sql).value_or(-1).toLongLong();
}

// A file made from the template's schema with one text replaced in every statement, as
// another program could make a look-alike.
QString fileWithSchema(const QString& dir, const QRegularExpression& from, const QString& to)
{
    Database source;
    if (!source.openReadOnly(buildDataDir() + u"/vocab.mdn"_s))
        return {};
    SqlQuery schema(source,
                    u"SELECT sql FROM sqlite_schema WHERE sql IS NOT NULL "
                    "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"_s);
    QStringList statements;
    if (!schema.exec())
        return {};
    while (schema.next())
        statements.append(schema.value(0).toString().replace(from, to));
    const QString path = dir + u"/look-alike.lxm"_s;
    sqlite3* db = nullptr;
    const bool made = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(
               db, (u"BEGIN;"_s + statements.join(u";\n"_s) + u";COMMIT;"_s).toUtf8().constData(),
               nullptr, nullptr, nullptr)
            == SQLITE_OK;
    sqlite3_close(db);
    return made ? path : QString();
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void slowTestModesAreLeftOutOnce_data();
    void slowTestModesAreLeftOutOnce();
    void sheetRowsFollowTheLinesThatExist_data();
    void sheetRowsFollowTheLinesThatExist();
    void hugeHeadwordIsKeyedFromItsStart();

    void unsafeFilesAreOpenedUnwritten_data();
    void unsafeFilesAreOpenedUnwritten();
    void wrongTableShapesAreNoVocabulary_data();
    void wrongTableShapesAreNoVocabulary();
    void salvageKeepsWhatCanBeRead();

    void writeFailuresNameTheirCause_data();
    void writeFailuresNameTheirCause();
    void fullDiskIsNamedAndLeavesNoPartialFile();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    FakeMessageService m_messages;
};

void TestHostileFiles::initTestCase()
{
    // Long enough for the program's own test modes, short enough for a quick test.
    QueryBudget::setTimeLimit(std::chrono::milliseconds(300));
}

void TestHostileFiles::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QVERIFY(m_fixture->isValid());
    QCOMPARE(m_fixture->addEntries(Entries).size(), Entries.size());
    m_messages.clear();
}

void TestHostileFiles::slowTestModesAreLeftOutOnce_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("seemsToHaveRows");

    // An endless recursive query: the first row comes at once, the last never.
    QTest::newRow("rows without end") << u"SELECT i FROM n"_s << true;
    // The same, looking for a row that never comes.
    QTest::newRow("no row ever") << u"SELECT i FROM n WHERE i < 0"_s << false;
}

void TestHostileFiles::slowTestModesAreLeftOutOnce()
{
    QFETCH(QString, rows);
    QFETCH(bool, seemsToHaveRows);
    QVERIFY(m_fixture->execRaw(
        u"CREATE VIEW Endless AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
        "SELECT i AS ID, 'x' AS Headword, NULL AS LastTestedOn, 0 AS Tested, 0 AS Correct, "
        "-1 AS LastOK FROM (%1)"_s.arg(rows)));
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    Database& db = *sources.database();
    const QString leftOut = u"The test mode \"Endless\" takes too long to read and was left out"_s;

    QCOMPARE(vocabularyfile::queryHasRows(db, u"Endless"_s, m_messages), seemsToHaveRows);
    QVERIFY(!vocabularyfile::queryRowCount(db, u"Endless"_s, m_messages));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().text, leftOut);

    // Once left out, the mode is neither read again nor reported again, and the rest of the
    // file works on.
    DataSource& testWords = sources.testWords();
    testWords.setRecordSource(u"Endless"_s);
    StoreError error;
    QVERIFY(!testWords.refresh(&error));
    QCOMPARE(error.kind, StoreError::Kind::TooSlow);
    QVERIFY(!vocabularyfile::queryHasRows(db, u"Endless"_s, m_messages));
    vocabularyfile::leaveOut(db, u"Endless"_s, m_messages);
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(vocabularyfile::queryHasRows(db, u"All"_s, m_messages));
    QCOMPARE(vocabularyfile::queryRowCount(db, u"All"_s, m_messages), 3);

    // Reading all the rows of a test mode is held to the budget as well.
    VocabularySources fresh;
    QVERIFY(fresh.attach(m_fixture->path()));
    fresh.testWords().setRecordSource(u"Endless"_s);
    QVERIFY(!fresh.testWords().refresh(&error));
    QCOMPARE(error.kind, StoreError::Kind::TooSlow);
}

void TestHostileFiles::sheetRowsFollowTheLinesThatExist_data()
{
    QTest::addColumn<QString>("tampering");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("definitionOfBeta");

    QTest::newRow("count of two billion")
        << u"UPDATE Headwords SET Lines = 2000000000 WHERE Headword = 'beta'"_s << 6 << u"three"_s;
    QTest::newRow("count of 1e15")
        << u"UPDATE Headwords SET Lines = 1000000000000000 WHERE Headword = 'beta'"_s << 6
        << u"three"_s;
    QTest::newRow("one count too high")
        << u"UPDATE Headwords SET Lines = Lines + 1 WHERE Headword = 'alpha'"_s << 6 << u"three"_s;
    QTest::newRow("negative count")
        << u"UPDATE Headwords SET Lines = -4 WHERE Headword = 'beta'"_s << 6 << u"three"_s;
    // An entry without lines is shown as what it is: a row without a definition.
    QTest::newRow("entry without lines") << u"DELETE FROM Definitions WHERE ID = "
                                            "(SELECT ID FROM Headwords WHERE Headword = 'beta')"_s
                                         << 6 << QString();
    // Lines without an entry belong to nothing shown.
    QTest::newRow("lines without an entry")
        << u"INSERT INTO Definitions VALUES (999, 'orphan'), (998, 'orphan')"_s << 6 << u"three"_s;
}

void TestHostileFiles::sheetRowsFollowTheLinesThatExist()
{
    QFETCH(QString, tampering);
    QFETCH(int, rows);
    QFETCH(QString, definitionOfBeta);
    QVERIFY(m_fixture->execRaw(tampering));

    // Shown correctly while the file cannot be mended...
    {
        VocabularySources readOnly;
        QVERIFY(readOnly.attach(m_fixture->path(), nullptr, u"kept read-only"_s));
        DataSource& vocabulary = readOnly.vocabulary();
        QCOMPARE(vocabulary.recordCount(), rows);
        const QList<QVariantList> shown = vocabulary.rows(0, 100);
        QCOMPARE(shown.size(), rows);
        for (const QVariantList& row : shown)
            QVERIFY(!row.value(0).toString().isEmpty());
        QVERIFY(vocabulary.findFirst(u"Headword = \"beta\""_s));
        QCOMPARE(vocabulary.value(u"Definition"_s).toString(), definitionOfBeta);
        QCOMPARE(vocabulary.absolutePosition(), 2);
        QVERIFY(vocabulary.setAbsolutePosition(rows - 1));
        QCOMPARE(vocabulary.value(u"Headword"_s).toString(), u"gamma"_s);
    }
    // ... and mended when it is next opened to be written.
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), info, VocabInfo{}, m_messages));
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    QCOMPARE(count(db,
                   u"SELECT count(*) FROM Headwords AS h WHERE Lines IS NOT "
                   "(SELECT count(*) FROM Definitions AS d WHERE d.ID = h.ID)"_s),
             0);
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    QCOMPARE(sources.vocabulary().recordCount(), rows);
}

void TestHostileFiles::hugeHeadwordIsKeyedFromItsStart()
{
    // Ten million characters, written by another program, so without keys.
    QVERIFY(m_fixture->execRaw(
        u"INSERT INTO Headwords (Headword) VALUES ('b' || hex(zeroblob(5000000)));"
        "INSERT INTO Definitions VALUES (last_insert_rowid(), 'huge');"_s));
    QElapsedTimer opening;
    opening.start();
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), info, VocabInfo{}, m_messages));
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    QCOMPARE(sources.vocabulary().recordCount(), 7);
    QVERIFY2(opening.elapsed() < 10'000, qPrintable(QString::number(opening.elapsed())));

    const Database& db = *sources.database();
    QVERIFY(count(db, u"SELECT max(length(SortKey) + length(FoldKey)) FROM Headwords"_s) < 10'000);
    // It is listed in its place, between "alpha" and "beta".
    QVERIFY(sources.vocabulary().setAbsolutePosition(2));
    QCOMPARE(sources.vocabulary().value(u"Definition"_s).toString(), u"huge"_s);
}

void TestHostileFiles::unsafeFilesAreOpenedUnwritten_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("cutShort");
    QTest::addColumn<int>("cause");
    QTest::addColumn<QStringList>("triggers");

    // Every file needs writing when opened: options to store, and here keys to fill.
    const QString keysMissing = u"UPDATE Headwords SET SortKey = NULL;"_s;
    QTest::newRow("last 1000 bytes cut")
        << QString() << true << int(WriteRefusal::Cause::Damaged) << QStringList();
    QTest::newRow("trigger wiping definitions when keys are filled")
        << keysMissing
            + u"CREATE TRIGGER Wipe AFTER UPDATE OF SortKey ON Headwords "
              "BEGIN DELETE FROM Definitions; END;"_s
        << false << int(WriteRefusal::Cause::ForeignTriggers) << QStringList{u"Wipe"_s};
    QTest::newRow("trigger under the program's own name")
        << u"DROP TRIGGER HeadwordRemoved; CREATE TRIGGER HeadwordRemoved AFTER DELETE ON "
           "Headwords BEGIN DELETE FROM Definitions; END;"_s
        << false << int(WriteRefusal::Cause::ForeignTriggers) << QStringList{u"HeadwordRemoved"_s};
    QTest::newRow("view that writes")
        << u"CREATE VIEW Mine AS SELECT ID, Headword FROM Headwords; CREATE TRIGGER MineWrites "
           "INSTEAD OF UPDATE ON Mine BEGIN DELETE FROM Headwords; END;"_s
        << false << int(WriteRefusal::Cause::ForeignTriggers) << QStringList{u"MineWrites"_s};
    // A view of the user's own is a test mode, and welcome.
    QTest::newRow("the user's own view")
        << keysMissing + u"CREATE VIEW \"Hard Ones\" AS SELECT * FROM \"All\" WHERE Correct = 0;"_s
        << false << int(WriteRefusal::Cause::None) << QStringList();
}

void TestHostileFiles::unsafeFilesAreOpenedUnwritten()
{
    QFETCH(QString, sql);
    QFETCH(bool, cutShort);
    QFETCH(int, cause);
    QFETCH(QStringList, triggers);
    // Enough entries that cutting the file's end cuts into their pages.
    QVERIFY(addManyEntries(m_fixture->path(), 400));
    QVERIFY(m_fixture->execRaw(sql));
    if (cutShort) {
        const QByteArray whole = fileBytes(m_fixture->path());
        QVERIFY(!writeFile(m_fixture->dir(), u"test.lxm"_s, whole.chopped(1000)).isEmpty());
    }
    const QByteArray before = fileBytes(m_fixture->path());

    VocabInfo info;
    const auto layout = vocabularyfile::inspect(m_fixture->path(), info, VocabInfo{}, m_messages);
    QVERIFY(layout);
    QCOMPARE(int(layout->refusal.cause), cause);
    QCOMPARE(layout->refusal.triggers, triggers);
    QVERIFY(m_messages.shown().isEmpty());
    if (!layout->refusal) {
        QVERIFY(layout->testModes.contains(u"Hard Ones"_s));
        return;
    }
    QCOMPARE(fileBytes(m_fixture->path()), before);
    for (const QString& trigger : triggers)
        QVERIFY(layout->refusal.reason().contains(trigger));

    // Read, not written: every write is refused with the reason.
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path(), nullptr, layout->refusal.reason()));
    if (!cutShort)
        QCOMPARE(count(*sources.database(), u"SELECT count(*) FROM Definitions"_s), 806);
    StoreError error;
    QVERIFY(!EntryWriter(*sources.database(), m_fixture->clock)
                 .addEntry(u"new"_s, {u"line"_s}, &error));
    QCOMPARE(error.description, layout->refusal.reason());
    info.path = m_fixture->path();
    info.readOnlyReason = layout->refusal.reason();
    QVERIFY(!vocabularyfile::writeVocabProperties(info, m_messages));
    sources.detach();
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

void TestHostileFiles::wrongTableShapesAreNoVocabulary_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("vocabulary");

    QTest::newRow("as the template has it") << u"^$"_s << QString() << true;
    QTest::newRow("definitions without row numbers")
        << u"Definition VARCHAR\\(100\\) NOT NULL\\s*\\)$"_s
        << u"Definition VARCHAR(100) NOT NULL, PRIMARY KEY (ID, Definition)) WITHOUT ROWID"_s
        << false;
    QTest::newRow("no definition column") << u"\\bDefinition\\b"_s << u"Meaning"_s << false;
    QTest::newRow("headword a number")
        << u"Headword\\s+VARCHAR\\(50\\)"_s << u"Headword INTEGER"_s << false;
    QTest::newRow("headword computed")
        << u"Headword\\s+VARCHAR\\(50\\) NOT NULL"_s
        << u"Headword TEXT GENERATED ALWAYS AS ('x') VIRTUAL"_s << false;
    QTest::newRow("entry ID not the row number")
        << u"INTEGER PRIMARY KEY AUTOINCREMENT"_s << u"INT PRIMARY KEY"_s << false;
}

void TestHostileFiles::wrongTableShapesAreNoVocabulary()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, vocabulary);
    const QString path = fileWithSchema(m_fixture->dir(), QRegularExpression(from), to);
    QVERIFY(!path.isEmpty());
    const QByteArray before = fileBytes(path);

    VocabInfo info;
    StoreError error;
    QCOMPARE(vocabularyfile::inspect(path, info, VocabInfo{}, m_messages, &error).has_value(),
             vocabulary);
    if (!vocabulary) {
        QCOMPARE(error.kind, StoreError::Kind::NotVocabulary);
        QCOMPARE(fileBytes(path), before);
    }
}

void TestHostileFiles::salvageKeepsWhatCanBeRead()
{
    QVERIFY(addManyEntries(m_fixture->path(), 400));
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET Tested = 5, Correct = 4, LastOK = 1 "
                               "WHERE Headword = 'alpha'"_s));
    const QString damaged =
        writeFile(m_fixture->dir(), u"damaged.lxm"_s, fileBytes(m_fixture->path()).chopped(1000));
    const QByteArray before = fileBytes(damaged);
    const QString target = m_fixture->dir() + u"/saved.lxm"_s;

    StoreError error;
    const std::optional<int> saved =
        salvageVocabulary(damaged, m_fixture->templatePath(), target, &error);
    QVERIFY2(saved, qPrintable(error.description));
    QCOMPARE(fileBytes(damaged), before);
    // Most entries are on pages the cut did not touch.
    QVERIFY2(*saved > 300 && *saved <= 403, qPrintable(QString::number(*saved)));

    VocabInfo info;
    const auto layout = vocabularyfile::inspect(target, info, VocabInfo{}, m_messages);
    QVERIFY(layout && !layout->refusal);
    Database copy;
    QVERIFY(copy.open(target));
    QCOMPARE(count(copy, u"SELECT count(*) FROM Headwords"_s), *saved);
    QCOMPARE(entryStatistics(copy, u"alpha"_s), u"2026-03-14 5 4 1"_s);
    QCOMPARE(count(copy,
                   u"SELECT count(*) FROM Definitions WHERE ID = (SELECT ID FROM "
                   "Headwords WHERE Headword = 'gamma')"_s),
             3);
    QCOMPARE(SqlQuery::scalar(copy, u"PRAGMA integrity_check"_s), QVariant(u"ok"_s));
}

void TestHostileFiles::writeFailuresNameTheirCause_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");

    QTest::newRow("entry numbers used up")
        << u"numbers"_s << u"The vocabulary has no entry numbers left"_s;
    QTest::newRow("file removed") << u"removed"_s
                                  << u"is no longer there; it was moved or deleted."_s;
    QTest::newRow("file replaced") << u"replaced"_s << u"was replaced by another file"_s;
    QTest::newRow("folder read-only")
        << u"folder"_s << u"The folder of the vocabulary file is read-only."_s;
}

void TestHostileFiles::writeFailuresNameTheirCause()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    if (obstacle == u"numbers"_s)
        QVERIFY(m_fixture->execRaw(u"INSERT INTO Headwords (ID, Headword) "
                                   "VALUES (9223372036854775807, 'last')"_s));
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    const QFile::Permissions folderPermissions = QFile::permissions(m_fixture->dir());
    std::optional<ObeyFilePermissions> permissions;
    if (obstacle == u"removed"_s || obstacle == u"replaced"_s)
        QVERIFY(QFile::remove(m_fixture->path()));
    if (obstacle == u"replaced"_s)
        QVERIFY(QFile::copy(m_fixture->templatePath(), m_fixture->path()));
    if (obstacle == u"folder"_s) {
        permissions.emplace();
        if (!permissions->isValid())
            QSKIP("The test cannot give up the right to write anywhere.");
        QVERIFY(QFile::setPermissions(m_fixture->dir(), QFile::ReadOwner | QFile::ExeOwner));
    }

    StoreError error;
    const bool added = EntryWriter(*sources.database(), m_fixture->clock)
                           .addEntry(u"new"_s, {u"line"_s}, &error)
                           .has_value();
    QFile::setPermissions(m_fixture->dir(), folderPermissions);
    QVERIFY(!added);
    QVERIFY2(error.description.contains(reason), qPrintable(error.description));
}

void TestHostileFiles::fullDiskIsNamedAndLeavesNoPartialFile()
{
    SmallDisk disk(1 << 20);
    if (!disk.isValid())
        QSKIP("The test cannot mount a small disk of its own here.");
    // A vocabulary whose keys must be filled when it is opened.
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET SortKey = NULL"_s));
    const QString vocabulary = copyToDir(m_fixture->path(), disk.path(), u"keys.lxm"_s);
    QVERIFY(!vocabulary.isEmpty());
    QVERIFY(disk.fill());

    StoreError error;
    const QString copy = disk.path() + u"/new.lxm"_s;
    QVERIFY(!Database::copyDatabase(m_fixture->templatePath(), copy, &error));
    QCOMPARE(error.number, SQLITE_FULL);
    QVERIFY2(error.description.contains(u"The disk is full"_s), qPrintable(error.description));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"filler"_s, u"keys.lxm"_s}));

    // Opened read-only, with the reason, rather than refused.
    const QByteArray before = fileBytes(vocabulary);
    VocabInfo info;
    const auto layout = vocabularyfile::inspect(vocabulary, info, VocabInfo{}, m_messages, &error);
    QVERIFY(layout);
    QCOMPARE(layout->refusal.cause, WriteRefusal::Cause::Unprepared);
    QVERIFY2(layout->refusal.detail.contains(u"The disk is full"_s),
             qPrintable(layout->refusal.detail));
    QCOMPARE(fileBytes(vocabulary), before);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "TestHostileFiles.moc"
