#include "support/StoreFixture.h"

#include "store/DataSource.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

VocabInfo defaults()
{
    VocabInfo info;
    info.flags = 3;
    info.keybHead = 0x0405;
    info.keybDef = 0x0409;
    return info;
}

} // namespace

class TestVocabularyFile : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningStoresTheDefaultsOnce();
    void storedOptionsAreOnlyRead();
    void unreadableOptionIsReportedAndDefaulted();
    void optionsAreWrittenTogether();
    void recognitionListsTestModesInFileOrder();
    void rowsFromAnotherToolGetTheirKeys();
    void definitionsJoinWithLineBreaks();
    void entryWithoutLinesIsAnInconsistency();
    void testModesTellWhetherTheyHaveRows();
};

void TestVocabularyFile::firstOpeningStoresTheDefaultsOnce()
{
    StoreFixture fixture;
    FakeMessageService messages;
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, defaults(), messages));
    QCOMPARE(info.flags, 3);
    QCOMPARE(info.keybHead, 0x0405);
    QCOMPARE(info.headwordSize, 50);
    QVERIFY(messages.shown().isEmpty());

    // The next opening finds the stored values, whatever the defaults are now.
    VocabInfo again;
    QVERIFY(vocabularyfile::inspect(fixture.path(), again, VocabInfo{}, messages));
    QCOMPARE(again.flags, 3);
    QCOMPARE(again.keybHead, 0x0405);
    QCOMPARE(again.keybDef, 0x0409);
    QVERIFY(messages.shown().isEmpty());
}

void TestVocabularyFile::storedOptionsAreOnlyRead()
{
    StoreFixture fixture;
    fixture.addEntries({u"perro|dog"_s});
    FakeMessageService messages;
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, defaults(), messages));
    const QByteArray before = fileBytes(fixture.path());
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, defaults(), messages));
    QCOMPARE(fileBytes(fixture.path()), before);
}

void TestVocabularyFile::unreadableOptionIsReportedAndDefaulted()
{
    StoreFixture fixture;
    QVERIFY(fixture.execRaw(u"INSERT INTO Properties VALUES ('UserKeybH', 'not a number');"
                            "INSERT INTO Properties VALUES ('UserFlags', 1);"_s));
    FakeMessageService messages;
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, defaults(), messages));
    QCOMPARE(info.flags, 1);
    QCOMPARE(info.keybHead, 0x0405);
    QCOMPARE(info.keybDef, 0x0409);
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().title, u"Property Error"_s);
    QCOMPARE(messages.shown().first().icon, MessageIcon::Exclamation);
}

void TestVocabularyFile::optionsAreWrittenTogether()
{
    StoreFixture fixture;
    FakeMessageService messages;
    VocabInfo info;
    info.path = fixture.path();
    info.flags = 1;
    info.keybHead = 0x10405;
    info.keybDef = KeybCurrent;
    QVERIFY(vocabularyfile::writeVocabProperties(info, messages));
    VocabInfo read;
    QVERIFY(vocabularyfile::inspect(fixture.path(), read, defaults(), messages));
    QCOMPARE(read.flags, 1);
    QCOMPARE(read.keybHead, 0x10405);
    QCOMPARE(read.keybDef, KeybCurrent);

    // A failure on the way leaves all three as they were.
    QVERIFY(fixture.execRaw(u"CREATE TRIGGER NoKeyboards BEFORE UPDATE ON Properties "
                            "WHEN new.Name = 'UserKeybD' BEGIN SELECT RAISE(ABORT, 'no'); END;"_s));
    info.flags = 2;
    QVERIFY(!vocabularyfile::writeVocabProperties(info, messages));
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().title, u"Property Error"_s);
    QVERIFY(vocabularyfile::inspect(fixture.path(), read, defaults(), messages));
    QCOMPARE(read.flags, 1);

    info.path = fixture.dir() + u"/gone.lxm"_s;
    QVERIFY(!vocabularyfile::writeVocabProperties(info, messages));
    QVERIFY(!QFile::exists(info.path));
}

void TestVocabularyFile::recognitionListsTestModesInFileOrder()
{
    StoreFixture fixture;
    Database db;
    QVERIFY(db.open(fixture.path()));
    const auto layout = vocabularyfile::recognise(db);
    QVERIFY(layout);
    QVERIFY(!layout->testModes.contains(u"All"_s));
    QVERIFY(!layout->testModes.contains(u"Vocabulary"_s));
    QCOMPARE(layout->testModes.first(), u"Never Tested"_s);
    QVERIFY(layout->testModes.contains(u"Due for Review"_s));
}

void TestVocabularyFile::rowsFromAnotherToolGetTheirKeys()
{
    StoreFixture fixture;
    fixture.addEntries({u"Perro|dog"_s});
    QVERIFY(fixture.execRaw(u"INSERT INTO Headwords (Headword) VALUES ('Árbol');"
                            "INSERT INTO Definitions VALUES (last_insert_rowid(), 'tree');"
                            "UPDATE Headwords SET Headword = 'Gato' WHERE Headword = 'Perro';"_s));
    FakeMessageService messages;
    VocabInfo info;
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, defaults(), messages));

    Database db;
    QVERIFY(db.open(fixture.path()));
    DataSource vocabulary(u"Vocabulary"_s);
    vocabulary.setDatabase(&db);
    QVERIFY(vocabulary.refresh());
    QCOMPARE(vocabulary.recordCount(), 2);
    QCOMPARE(vocabulary.value(u"Headword"_s).toString(), u"Árbol"_s);
    QVERIFY(vocabulary.findFirst(u"Headword = \"GATO\""_s));
    QVERIFY(!vocabulary.findFirst(u"Headword = \"perro\""_s));
}

void TestVocabularyFile::definitionsJoinWithLineBreaks()
{
    StoreFixture fixture;
    const auto ids = fixture.addEntries({u"a|one"_s, u"b|first|second|third"_s});
    Database db;
    QVERIFY(db.open(fixture.path()));
    DataSource definitions(u"Definitions"_s);
    definitions.setDatabase(&db);
    QVERIFY(definitions.refresh());
    FakeMessageService messages;
    QCOMPARE(vocabularyfile::getDefinitions(definitions, ids.at(1), messages),
             u"first\r\nsecond\r\nthird"_s);
    QCOMPARE(vocabularyfile::getDefinitions(definitions, ids.at(0), messages), u"one"_s);
    QVERIFY(messages.shown().isEmpty());
}

void TestVocabularyFile::entryWithoutLinesIsAnInconsistency()
{
    StoreFixture fixture;
    Database db;
    QVERIFY(db.open(fixture.path()));
    DataSource definitions(u"Definitions"_s);
    definitions.setDatabase(&db);
    QVERIFY(definitions.refresh());
    FakeMessageService messages;
    QCOMPARE(vocabularyfile::getDefinitions(definitions, 999, messages), QString());
    QCOMPARE(messages.shown().size(), 1);
    const Message& shown = messages.shown().first();
    QCOMPARE(shown.title, u"Application Error"_s);
    QCOMPARE(shown.icon, MessageIcon::Critical);
    QCOMPARE(shown.helpContext, 57);
    QVERIFY(shown.text.startsWith(u"Inconsistency in the Lex Mint database encountered!\r"_s));
}

void TestVocabularyFile::testModesTellWhetherTheyHaveRows()
{
    StoreFixture fixture;
    fixture.addEntries({u"perro|dog"_s});
    Database db;
    QVERIFY(db.open(fixture.path()));
    QVERIFY(vocabularyfile::queryHasRows(db, u"All"_s));
    QVERIFY(vocabularyfile::queryHasRows(db, u"Never Tested"_s));
    QVERIFY(vocabularyfile::queryHasRows(db, u"Due for Review"_s));
    QVERIFY(!vocabularyfile::queryHasRows(db, u"Last Answer Wrong"_s));
    QVERIFY(!vocabularyfile::queryHasRows(db, u"Worst Answered"_s));
    QVERIFY(!vocabularyfile::queryHasRows(db, u"No \"such\" mode"_s));
}

QTEST_GUILESS_MAIN(TestVocabularyFile)
#include "TestVocabularyFile.moc"
