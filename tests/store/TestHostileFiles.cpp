#include "support/StoreFixture.h"

#include "store/EntryWriter.h"
#include "store/Salvage.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"
#include "support/FakeMessageService.h"
#include "support/FileSystemObstacles.h"
#include "support/TestFiles.h"

#include <QTest>

#include <sqlite3.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Three entries with six definition lines.
const QStringList Entries{u"alpha|one|two"_s, u"beta|three"_s, u"gamma|four|five|six"_s};

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
    void init();

    void foreignFilesAreRefusedUntouched_data();
    void foreignFilesAreRefusedUntouched();
    void unsafeFilesAreOpenedUnwritten_data();
    void unsafeFilesAreOpenedUnwritten();
    void salvageKeepsWhatCanBeRead();
    void filesAreNeverMadeOrReplacedHalfway();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    FakeMessageService m_messages;
};

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

    using Cause = WriteRefusal::Cause;
    QTest::newRow("cut short") << QString() << u"cut"_s << Cause::Damaged;
    QTest::newRow("pages broken") << QString() << u"pages"_s << Cause::Damaged;
    // Every file needs writing when opened: options to store, and here keys to fill. A trigger
    // of the program's own name is still told by what it does.
    const QString keysMissing = u"UPDATE Headwords SET SortKey = NULL;"_s;
    QTest::newRow("trigger under the program's own name, fired when keys are filled")
        << keysMissing
            + u"DROP TRIGGER HeadwordRemoved; CREATE TRIGGER HeadwordRemoved AFTER UPDATE OF "
              "SortKey ON Headwords BEGIN DELETE FROM Definitions; END;"_s
        << QString() << Cause::ForeignTriggers;
    // A view of the user's own is a test mode, and welcome.
    QTest::newRow("the user's own view")
        << keysMissing + u"CREATE VIEW \"Hard Ones\" AS SELECT * FROM \"All\" WHERE Correct = 0;"_s
        << QString() << Cause::None;
}

void TestHostileFiles::unsafeFilesAreOpenedUnwritten()
{
    QFETCH(QString, sql);
    QFETCH(QString, damage);
    QFETCH(WriteRefusal::Cause, cause);
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
        QCOMPARE(queryNumber(*sources.database(), u"SELECT count(*) FROM Definitions"_s), 6);
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
    QCOMPARE(queryNumber(copy,
                         u"SELECT count(*) FROM Definitions WHERE ID = (SELECT ID FROM "
                         "Headwords WHERE Headword = 'gamma')"_s),
             3);
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
