#include "support/StoreFixture.h"

#include "store/DataSource.h"
#include "store/EntryWriter.h"
#include "store/SearchKeys.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// What another build or another tool left in the file.
const QString OlderBuild = u"UPDATE Headwords SET SortKey = Headword, FoldKey = Headword;"
                           "DELETE FROM Properties WHERE Name = 'KeyVersion'"_s;
// A tool that trims every headword: the file's own trigger clears the keys of each.
const QString TrimmedElsewhere = u"UPDATE Headwords SET Headword = trim(Headword)"_s;

const QStringList InDictionaryOrder{u"100 percent"_s, u"100%_sure"_s,  u"ábaco"_s,  u"Abend"_s,
                                    u"abendbrot"_s,   u"say \"hi\""_s, u"zapato"_s, u"žluťoučký"_s,
                                    u"Zürich"_s,      u"λέξη"_s,       u"слово"_s};

// The headwords as the test mode "All" lists them, when "ZAPATO*" finds its entry.
QStringList shownHeadwords(Database& db)
{
    DataSource all(u"All"_s);
    all.setDatabase(&db);
    QStringList headwords;
    if (all.refresh() && all.findFirst(u"Headword LIKE \"ZAPATO*\""_s))
        for (const QVariantList& row : all.rows(0, 100))
            headwords.append(row.at(1).toString());
    return headwords;
}

} // namespace

class TestSearchKeys : public QObject {
    Q_OBJECT
private slots:
    void staleKeysAreMadeAgain_data();
    void staleKeysAreMadeAgain();
};

void TestSearchKeys::staleKeysAreMadeAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("keys of an older build") << OlderBuild << false;
    QTest::newRow("rewritten by another tool") << TrimmedElsewhere << false;
    QTest::newRow("read-only, write-ahead log")
        << u"PRAGMA journal_mode = WAL;"_s + OlderBuild + u";"_s + TrimmedElsewhere << true;
}

void TestSearchKeys::staleKeysAreMadeAgain()
{
    QFETCH(QString, change);
    QFETCH(bool, readOnly);
    StoreFixture fixture;
    QCOMPARE(fixture.addEntries(mixedScriptEntries()).size(), mixedScriptEntries().size());
    QVERIFY(fixture.execRaw(change));
    const QByteArray before = fileBytes(fixture.path());
    Database db;
    QVERIFY(readOnly ? db.openReadOnly(fixture.path()) : db.open(fixture.path()));
    QVERIFY(!searchkeys::areCurrent(db));
    QVERIFY(readOnly ? searchkeys::useCurrentKeysReadOnly(db) : searchkeys::update(db));
    QCOMPARE(shownHeadwords(db), InDictionaryOrder);
    if (!readOnly)
        return;
    // Shown from a copy that refuses every change, as the file does.
    StoreError error;
    QVERIFY(!EntryWriter(db, fixture.clock).addEntry(u"neu"_s, {u"new"_s}, &error));
    QCOMPARE(error.kind, StoreError::Kind::ReadOnly);
    db.close();
    QCOMPARE(fileBytes(fixture.path()), before);
}

QTEST_GUILESS_MAIN(TestSearchKeys)
#include "TestSearchKeys.moc"
