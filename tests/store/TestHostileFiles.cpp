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

// The bytes of a file made from the template's schema with one text replaced in every
// statement, as another program could make a look-alike.
QByteArray lookAlike(const QString& from, const QString& to)
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
        statements.append(schema.value(0).toString().replace(QRegularExpression(from), to));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"look-alike.lxm"_s);
    sqlite3* db = nullptr;
    const bool made = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(
               db, (u"BEGIN;"_s + statements.join(u";\n"_s) + u";COMMIT;"_s).toUtf8().constData(),
               nullptr, nullptr, nullptr)
            == SQLITE_OK;
    sqlite3_close(db);
    return made ? fileBytes(path) : QByteArray();
}

// Loses the file's last 1000 bytes, or breaks the pages of the tables of entries and lines
// while the file keeps its length and schema.
bool damageAsADiskWould(const QString& path, bool cutShort)
{
    QByteArray bytes = fileBytes(path);
    if (cutShort) {
        bytes.chop(1000);
    } else {
        Database db;
        if (!db.openReadOnly(path))
            return false;
        SqlQuery roots(db,
                       u"SELECT rootpage FROM sqlite_schema "
                       "WHERE name IN ('Headwords', 'Definitions')"_s);
        if (!roots.exec())
            return false;
        while (roots.next())
            bytes.replace((roots.value(0).toInt() - 1) * 4096, 4096, QByteArray(4096, '\xff'));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void foreignFilesAreRefusedUntouched_data();
    void foreignFilesAreRefusedUntouched();
    void unsafeFilesAreOpenedUnwritten_data();
    void unsafeFilesAreOpenedUnwritten();
    void schemaCannotBeRewritten();
    void salvageKeepsWhatCanBeRead();

    void lineCountsAreMended_data();
    void lineCountsAreMended();
    void testModeWithoutEndIsLeftOutOnce();

    void readOnlyFolderIsNamedAsTheCause();
    void filesAreNeverMadeOrReplacedHalfway();

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

void TestHostileFiles::foreignFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");

    StoreFixture fixture;
    QTest::newRow("truncated vocabulary") << fileBytes(fixture.path()).left(1500);
    QVERIFY(
        fixture.execRaw(u"DROP VIEW Vocabulary; DROP VIEW \"All\"; DROP TABLE Headwords;"
                        "CREATE TABLE Notes (Text TEXT); INSERT INTO Notes VALUES ('mine');"_s));
    QTest::newRow("another program's database") << fileBytes(fixture.path());
    QVERIFY(fixture.execRaw(u"CREATE VIEW Vocabulary AS SELECT Text FROM Notes;"
                            "CREATE VIEW \"All\" AS SELECT Text FROM Notes;"_s));
    QTest::newRow("look-alike views") << fileBytes(fixture.path());
    QTest::newRow("definitions without row numbers")
        << lookAlike(u"Definition VARCHAR\\(100\\) NOT NULL\\s*\\)$"_s,
                     u"Definition VARCHAR(100) NOT NULL, PRIMARY KEY (ID, Definition)) "
                     "WITHOUT ROWID"_s);
    QTest::newRow("headword a number")
        << lookAlike(u"Headword\\s+VARCHAR\\(50\\)"_s, u"Headword INTEGER"_s);
    QTest::newRow("entry ID not the row number")
        << lookAlike(u"INTEGER PRIMARY KEY AUTOINCREMENT"_s, u"INT PRIMARY KEY"_s);
}

void TestHostileFiles::foreignFilesAreRefusedUntouched()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = writeFile(dir.path(), u"foreign.lxm"_s, bytes);

    VocabInfo info;
    StoreError error;
    QVERIFY(!vocabularyfile::inspect(path, info, VocabInfo{}, m_messages, &error));
    QVERIFY(!error.description.isEmpty());
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"foreign.lxm"_s});
}

void TestHostileFiles::unsafeFilesAreOpenedUnwritten_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<WriteRefusal::Cause>("cause");
    QTest::addColumn<QStringList>("triggers");

    using Cause = WriteRefusal::Cause;
    QTest::newRow("cut short") << QString() << u"cut"_s << Cause::Damaged << QStringList();
    QTest::newRow("pages broken") << QString() << u"pages"_s << Cause::Damaged << QStringList();
    // Every file needs writing when opened: options to store, and here keys to fill.
    const QString keysMissing = u"UPDATE Headwords SET SortKey = NULL;"_s;
    const QString wipe = u"CREATE TRIGGER Wipe AFTER UPDATE OF SortKey ON Headwords "
                         "BEGIN DELETE FROM Definitions; END;"_s;
    QTest::newRow("trigger wiping definitions when keys are filled")
        << keysMissing + wipe << QString() << Cause::ForeignTriggers << QStringList{u"Wipe"_s};
    QTest::newRow("trigger under the program's own name")
        << u"DROP TRIGGER HeadwordRemoved; CREATE TRIGGER HeadwordRemoved AFTER DELETE ON "
           "Headwords BEGIN DELETE FROM Definitions; END;"_s
        << QString() << Cause::ForeignTriggers << QStringList{u"HeadwordRemoved"_s};
    QTest::newRow("view that writes")
        << u"CREATE VIEW Mine AS SELECT ID, Headword FROM Headwords; CREATE TRIGGER MineWrites "
           "INSTEAD OF UPDATE ON Mine BEGIN DELETE FROM Headwords; END;"_s
        << QString() << Cause::ForeignTriggers << QStringList{u"MineWrites"_s};
    // A view of the user's own is a test mode, and welcome.
    QTest::newRow("the user's own view")
        << keysMissing + u"CREATE VIEW \"Hard Ones\" AS SELECT * FROM \"All\" WHERE Correct = 0;"_s
        << QString() << Cause::None << QStringList();
}

void TestHostileFiles::unsafeFilesAreOpenedUnwritten()
{
    QFETCH(QString, sql);
    QFETCH(QString, damage);
    QFETCH(WriteRefusal::Cause, cause);
    QFETCH(QStringList, triggers);
    QVERIFY(m_fixture->execRaw(sql));
    if (!damage.isEmpty()) {
        // Enough entries that the damage hits their pages.
        QVERIFY(addManyEntries(m_fixture->path(), 400));
        QVERIFY(damageAsADiskWould(m_fixture->path(), damage == u"cut"_s));
    }
    const QByteArray before = fileBytes(m_fixture->path());

    VocabInfo info;
    const auto layout = vocabularyfile::inspect(m_fixture->path(), info, VocabInfo{}, m_messages);
    QVERIFY(layout);
    QCOMPARE(layout->refusal.triggers, triggers);
    QCOMPARE(layout->refusal.cause, cause);
    if (!layout->refusal)
        return;
    QCOMPARE(fileBytes(m_fixture->path()), before);
    if (damage == u"pages"_s)
        return; // no entry left to read

    // Read, not written: every write is refused with the reason.
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path(), nullptr, layout->refusal.reason()));
    if (damage.isEmpty())
        QCOMPARE(count(*sources.database(), u"SELECT count(*) FROM Definitions"_s), 6);
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

void TestHostileFiles::schemaCannotBeRewritten()
{
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    // Even a hand-crafted request cannot edit the schema behind the engine's back.
    SqlQuery(db, u"PRAGMA writable_schema = ON"_s).exec();
    QVERIFY(
        !SqlQuery(db, u"UPDATE sqlite_schema SET sql = 'x' WHERE name = 'Vocabulary'"_s).exec());
    QVERIFY(!SqlQuery(db, u"SELECT load_extension('x')"_s).exec());
}

void TestHostileFiles::salvageKeepsWhatCanBeRead()
{
    QVERIFY(addManyEntries(m_fixture->path(), 400));
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET Tested = 5, Correct = 4, LastOK = 1 "
                               "WHERE Headword = 'alpha'"_s));
    QVERIFY(damageAsADiskWould(m_fixture->path(), true));
    const QByteArray before = fileBytes(m_fixture->path());
    const QString target = m_fixture->dir() + u"/saved.lxm"_s;

    StoreError error;
    const std::optional<int> saved =
        salvageVocabulary(m_fixture->path(), m_fixture->templatePath(), target, &error);
    QVERIFY2(saved, qPrintable(error.description));
    QCOMPARE(fileBytes(m_fixture->path()), before);
    // Most entries are on pages the cut did not touch.
    QVERIFY2(*saved > 300 && *saved <= 403, qPrintable(QString::number(*saved)));

    Database copy;
    QVERIFY(copy.open(target));
    QCOMPARE(entryStatistics(copy, u"alpha"_s), u"2026-03-14 5 4 1"_s);
    QCOMPARE(count(copy,
                   u"SELECT count(*) FROM Definitions WHERE ID = (SELECT ID FROM "
                   "Headwords WHERE Headword = 'gamma')"_s),
             3);
}

void TestHostileFiles::lineCountsAreMended_data()
{
    QTest::addColumn<QString>("lines");
    QTest::newRow("1e15") << u"1000000000000000"_s;
    QTest::newRow("one too many") << u"Lines + 1"_s;
    QTest::newRow("negative") << u"-4"_s;
}

void TestHostileFiles::lineCountsAreMended()
{
    QFETCH(QString, lines);
    QVERIFY(m_fixture->execRaw(
        u"UPDATE Headwords SET Lines = %1 WHERE Headword = 'beta'"_s.arg(lines)));

    // Shown as the lines that exist while the file cannot be mended...
    {
        VocabularySources readOnly;
        QVERIFY(readOnly.attach(m_fixture->path(), nullptr, u"kept read-only"_s));
        DataSource& vocabulary = readOnly.vocabulary();
        QCOMPARE(vocabulary.recordCount(), 6);
        QCOMPARE(vocabulary.rows(0, 100).size(), 6);
        QVERIFY(vocabulary.setAbsolutePosition(5));
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
}

void TestHostileFiles::testModeWithoutEndIsLeftOutOnce()
{
    // An endless recursive query: the first row comes at once, the last never.
    QVERIFY(m_fixture->execRaw(
        u"CREATE VIEW Endless AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
        "SELECT i AS ID, 'x' AS Headword, NULL AS LastTestedOn, 0 AS Tested, 0 AS Correct, "
        "-1 AS LastOK FROM n"_s));
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    Database& db = *sources.database();
    QVERIFY(vocabularyfile::queryHasRows(db, u"Endless"_s, m_messages));
    QVERIFY(!vocabularyfile::queryRowCount(db, u"Endless"_s, m_messages));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().text,
             u"The test mode \"Endless\" takes too long to read and was left out"_s);
    // A test run on it is held to the time budget, and the rest of the file works on.
    DataSource& testWords = sources.testWords();
    testWords.setRecordSource(u"Endless"_s);
    StoreError error;
    QVERIFY(!testWords.refresh(&error));
    QCOMPARE(error.kind, StoreError::Kind::TooSlow);
    QCOMPARE(vocabularyfile::queryRowCount(db, u"All"_s, m_messages), 3);
    QCOMPARE(m_messages.shown().size(), 1);
}

void TestHostileFiles::readOnlyFolderIsNamedAsTheCause()
{
    VocabularySources sources;
    QVERIFY(sources.attach(m_fixture->path()));
    const QFile::Permissions folderPermissions = QFile::permissions(m_fixture->dir());
    ObeyFilePermissions permissions;
    if (!permissions.isValid())
        QSKIP("The test cannot give up the right to write anywhere.");
    QVERIFY(QFile::setPermissions(m_fixture->dir(), QFile::ReadOwner | QFile::ExeOwner));

    StoreError error;
    const bool added = EntryWriter(*sources.database(), m_fixture->clock)
                           .addEntry(u"new"_s, {u"line"_s}, &error)
                           .has_value();
    QFile::setPermissions(m_fixture->dir(), folderPermissions);
    QVERIFY(!added);
    QVERIFY2(error.description.startsWith(u"The folder of the vocabulary file is read-only."_s),
             qPrintable(error.description));
}

void TestHostileFiles::filesAreNeverMadeOrReplacedHalfway()
{
    const QString missing = m_fixture->dir() + u"/missing.lxm"_s;
    QVERIFY(!Database().open(missing));
    QVERIFY(!QFile::exists(missing));

    // A copy goes to a new name, or replaces a file only once it is complete.
    const QString old = writeFile(m_fixture->dir(), u"old.lxm"_s, "old"_ba);
    StoreError error;
    QVERIFY(!Database::copyDatabase(m_fixture->templatePath(), old, &error));
    QVERIFY(!Database::copyDatabase(missing, old, &error, Database::Existing::Replace));
    QCOMPARE(fileBytes(old), "old"_ba);
    QVERIFY(Database::copyDatabase(m_fixture->templatePath(), old, &error,
                                   Database::Existing::Replace));
    QCOMPARE(fileBytes(old), fileBytes(m_fixture->templatePath()));

    SmallDisk disk(1 << 20);
    if (!disk.isValid())
        QSKIP("The test cannot mount a small disk of its own here.");
    // A vocabulary whose keys must be filled when it is opened.
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET SortKey = NULL"_s));
    const QString vocabulary = copyToDir(m_fixture->path(), disk.path(), u"keys.lxm"_s);
    QVERIFY(!vocabulary.isEmpty());
    QVERIFY(disk.fill());

    QVERIFY(
        !Database::copyDatabase(m_fixture->templatePath(), disk.path() + u"/new.lxm"_s, &error));
    QCOMPARE(error.number, SQLITE_FULL);
    QVERIFY2(error.description.contains(u"The disk is full"_s), qPrintable(error.description));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"filler"_s, u"keys.lxm"_s}));

    // Opened read-only, with the reason, rather than refused.
    const QByteArray full = fileBytes(vocabulary);
    VocabInfo info;
    const auto layout = vocabularyfile::inspect(vocabulary, info, VocabInfo{}, m_messages, &error);
    QVERIFY(layout);
    QCOMPARE(layout->refusal.cause, WriteRefusal::Cause::Unprepared);
    QVERIFY2(layout->refusal.detail.contains(u"The disk is full"_s),
             qPrintable(layout->refusal.detail));
    QCOMPARE(fileBytes(vocabulary), full);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "TestHostileFiles.moc"
