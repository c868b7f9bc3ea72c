#include "support/StoreFixture.h"

#include "platform/MessageService.h"
#include "store/Database.h"
#include "store/FileFormat.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"
#include "support/FakeMessageService.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void hostileFilesAreRefusedAndLeftAlone_data();
    void hostileFilesAreRefusedAndLeftAlone();
    void missingFileIsNotCreated();
    void schemaCannotBeRewritten();
    void readsSchemaFacts();
    void propertiesPersistAndMissingOnesAreDistinct();
    void copyRefusesAnExistingDestination();
};

void TestDatabase::hostileFilesAreRefusedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("keptReadOnly"); // recognised, but too damaged to be written

    StoreFixture fixture;
    const QByteArray vocabulary = fileBytes(fixture.path());
    QTest::newRow("zero length") << QByteArray() << int(FileFormat::Empty) << false;
    QTest::newRow("random bytes") << QByteArray(4096, '\x5a') << int(FileFormat::Unknown) << false;
    QTest::newRow("truncated vocabulary")
        << vocabulary.left(1500) << int(FileFormat::Sqlite) << false;
    // The pages of the tables of entries and lines broken, the schema intact.
    QByteArray damaged = vocabulary;
    {
        Database db;
        QVERIFY(db.openReadOnly(fixture.path()));
        SqlQuery roots(db,
                       u"SELECT rootpage FROM sqlite_schema "
                       "WHERE name IN ('Headwords', 'Definitions')"_s);
        QVERIFY(roots.exec());
        while (roots.next())
            damaged.replace((roots.value(0).toInt() - 1) * 4096, 4096, QByteArray(4096, '\xff'));
    }
    QTest::newRow("damaged pages") << damaged << int(FileFormat::Sqlite) << true;
    QVERIFY(
        fixture.execRaw(u"DROP VIEW Vocabulary; DROP VIEW \"All\"; DROP TABLE Headwords;"
                        "CREATE TABLE Notes (Text TEXT); INSERT INTO Notes VALUES ('mine');"_s));
    QTest::newRow("another program's database")
        << fileBytes(fixture.path()) << int(FileFormat::Sqlite) << false;
    QVERIFY(fixture.execRaw(u"CREATE VIEW Vocabulary AS SELECT Text FROM Notes;"
                            "CREATE VIEW \"All\" AS SELECT Text FROM Notes;"_s));
    QTest::newRow("look-alike views")
        << fileBytes(fixture.path()) << int(FileFormat::Sqlite) << false;
    QTest::newRow("access database")
        << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2048, '\0')
        << int(FileFormat::Access) << false;
}

void TestDatabase::hostileFilesAreRefusedAndLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, format);
    QFETCH(bool, keptReadOnly);
    QTemporaryDir dir;
    const QString path = writeFile(dir.path(), u"hostile.lxm"_s, bytes);
    QCOMPARE(int(detectFileFormat(path)), format);

    FakeMessageService messages;
    VocabInfo info;
    StoreError error;
    const auto layout = vocabularyfile::inspect(path, info, VocabInfo{}, messages, &error);
    if (keptReadOnly) {
        QVERIFY(layout);
        QCOMPARE(layout->refusal.cause, WriteRefusal::Cause::Damaged);
    } else {
        QVERIFY(!layout);
        QVERIFY(error);
        QVERIFY(!error.description.isEmpty());
    }
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"hostile.lxm"_s});
}

void TestDatabase::missingFileIsNotCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"nothing.lxm"_s);
    Database db;
    StoreError error;
    QVERIFY(!db.open(path, &error));
    QVERIFY(error.number > 0);
    QVERIFY(!QFile::exists(path));
}

void TestDatabase::schemaCannotBeRewritten()
{
    StoreFixture fixture;
    Database db;
    QVERIFY(db.open(fixture.path()));
    // A file's schema is untrusted: even a hand-crafted request cannot edit it behind the
    // engine's back.
    SqlQuery(db, u"PRAGMA writable_schema = ON"_s).exec();
    QVERIFY(
        !SqlQuery(db, u"UPDATE sqlite_schema SET sql = 'x' WHERE name = 'Vocabulary'"_s).exec());
    QVERIFY(!SqlQuery(db, u"SELECT load_extension('x')"_s).exec());
}

void TestDatabase::readsSchemaFacts()
{
    StoreFixture fixture;
    QVERIFY(fixture.execRaw(u"CREATE VIEW \"Zeta\" AS SELECT * FROM \"All\";"
                            "CREATE VIEW \"Alpha\" AS SELECT * FROM \"All\";"_s));
    Database db;
    QVERIFY(db.open(fixture.path()));
    const QStringList names = db.queryNames().value();
    QCOMPARE(names.first(), u"Vocabulary"_s);
    QCOMPARE(names.mid(names.size() - 2), (QStringList{u"Zeta"_s, u"Alpha"_s}));
    QCOMPARE(db.textColumnSize(u"Headwords"_s, u"Headword"_s), 50);
    QCOMPARE(db.textColumnSize(u"Definitions"_s, u"definition"_s), 100);
    QCOMPARE(db.textColumnSize(u"Headwords"_s, u"Tested"_s), 0);
    QVERIFY(!db.textColumnSize(u"Headwords"_s, u"Nope"_s));
}

void TestDatabase::propertiesPersistAndMissingOnesAreDistinct()
{
    StoreFixture fixture;
    {
        Database db;
        QVERIFY(db.open(fixture.path()));
        StoreError error;
        QVERIFY(!db.property(u"UserFlags"_s, &error));
        QCOMPARE(error.kind, StoreError::Kind::PropertyMissing);
        QVERIFY(!db.setProperty(u"UserFlags"_s, 3, &error));
        QCOMPARE(error.kind, StoreError::Kind::PropertyMissing);
        QVERIFY(db.createProperty(u"UserFlags"_s, 3));
        QVERIFY(db.setProperty(u"userflags"_s, -7));
    }
    Database db;
    QVERIFY(db.open(fixture.path()));
    QCOMPARE(db.property(u"UserFlags"_s), -7);
    QVERIFY(fixture.execRaw(u"UPDATE Properties SET Value = 'many' WHERE Name = 'UserFlags'"_s));
    StoreError error;
    QVERIFY(!db.property(u"UserFlags"_s, &error));
    QCOMPARE(error.kind, StoreError::Kind::InvalidValue);
}

void TestDatabase::copyRefusesAnExistingDestination()
{
    StoreFixture fixture;
    const QString target = fixture.dir() + u"/copy.lxm"_s;
    QVERIFY(Database::copyDatabase(fixture.templatePath(), target));
    QCOMPARE(fileBytes(target), fileBytes(fixture.templatePath()));
    const QByteArray before = fileBytes(fixture.path());
    StoreError error;
    QVERIFY(!Database::copyDatabase(fixture.templatePath(), fixture.path(), &error));
    QVERIFY(error.number > 0);
    QCOMPARE(fileBytes(fixture.path()), before);
    QVERIFY(
        !Database::copyDatabase(fixture.dir() + u"/missing.mdn"_s, fixture.dir() + u"/x.lxm"_s));
    QVERIFY(!QFile::exists(fixture.dir() + u"/x.lxm"_s));

    // Replacing: a failed copy keeps the old file, a good one replaces it.
    QVERIFY(!Database::copyDatabase(fixture.dir() + u"/missing.mdn"_s, fixture.path(), &error,
                                    Database::Existing::Replace));
    QCOMPARE(fileBytes(fixture.path()), before);
    QVERIFY(Database::copyDatabase(fixture.templatePath(), fixture.path(), &error,
                                   Database::Existing::Replace));
    QCOMPARE(fileBytes(fixture.path()), fileBytes(fixture.templatePath()));
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "TestDatabase.moc"
