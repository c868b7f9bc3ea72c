#include "support/StoreFixture.h"

#include "store/DataSource.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestDataSource : public QObject {
    Q_OBJECT
private slots:
    void init();
    void oneRowPerLineHoweverRead();
    void finds_data();
    void finds();
    void renamingToTheSameWordKeepsTheEntry();
    void failedReadsAreToldFromEmptyOnes();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<VocabularySources> m_sources;
};

void TestDataSource::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QVERIFY(m_fixture->isValid());
    QCOMPARE(m_fixture->addEntries(mixedScriptEntries()).size(), mixedScriptEntries().size());
    m_sources = std::make_unique<VocabularySources>();
    QVERIFY(m_sources->attach(m_fixture->path()));
}

void TestDataSource::oneRowPerLineHoweverRead()
{
    DataSource& vocabulary = m_sources->vocabulary();
    QList<QVariantList> walked;
    for (bool more = vocabulary.moveFirst(); more; more = vocabulary.moveNext()) {
        QCOMPARE(vocabulary.absolutePosition(), walked.size());
        walked.append({vocabulary.value(u"Headword"_s), vocabulary.value(u"Definition"_s),
                       vocabulary.value(u"ID"_s)});
    }
    QCOMPARE(vocabulary.recordCount(), 13);
    QCOMPARE(vocabulary.rows(0, 100), walked);
    QCOMPARE(vocabulary.rows(5, 3), walked.mid(5, 3));
    QVERIFY(vocabulary.setAbsolutePosition(6));
    QCOMPARE(vocabulary.value(u"Definition"_s), walked.at(6).at(1));
    QVERIFY(!vocabulary.setAbsolutePosition(walked.size()));
    // The lines of an entry follow each other in the order they were written.
    QCOMPARE(walked.at(9).at(1).toString(), u"a city"_s);
    QVERIFY(vocabulary.findLast(u"Headword < \"ABEND\""_s));
    QCOMPARE(vocabulary.value(u"Definition"_s).toString(), u"counting frame"_s);
}

void TestDataSource::finds_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::addColumn<QString>("found"); // empty: no match
    QTest::addColumn<bool>("refused");

    QTest::newRow("equal, other case, non-ASCII")
        << u"Headword = \"ŽLUŤOUČKÝ\""_s << u"žluťoučký"_s << false;
    QTest::newRow("like question mark") << u"Headword LIKE \"z?rich*\""_s << u"Zürich"_s << false;
    QTest::newRow("like underscore no wildcard")
        << u"Headword LIKE \"100_*\""_s << QString() << false;
    QTest::newRow("at least, any case") << u"Headword >= \"ZAPATO\""_s << u"zapato"_s << false;
    QTest::newRow("refused: text after quote") << u"Headword = \"x\" OR 1=1"_s << QString() << true;
    QTest::newRow("refused: id with text") << u"ID = 4 OR 1=1"_s << QString() << true;
}

void TestDataSource::finds()
{
    QFETCH(QString, criteria);
    QFETCH(QString, found);
    QFETCH(bool, refused);
    if (refused)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Refused criteria"_s));
    DataSource& vocabulary = m_sources->vocabulary();
    QCOMPARE(vocabulary.findFirst(criteria), !found.isEmpty());
    QCOMPARE(vocabulary.noMatch(), found.isEmpty());
    if (!found.isEmpty())
        QCOMPARE(vocabulary.value(u"Headword"_s).toString(), found);
}

void TestDataSource::renamingToTheSameWordKeepsTheEntry()
{
    const QString renamed = u"Zu\u0308rich"_s; // the same word, its accent written apart
    DataSource& vocabulary = m_sources->vocabulary();
    QVERIFY(vocabulary.findFirst(u"Headword LIKE \"zü*\""_s));
    const int position = vocabulary.absolutePosition();
    QVERIFY(vocabulary.edit());
    vocabulary.setValue(u"Headword"_s, renamed);
    QVERIFY(vocabulary.update());

    // The sheet, quick find and the duplicate check still see the entry.
    QCOMPARE(vocabulary.absolutePosition(), position);
    QVERIFY(vocabulary.refresh());
    QCOMPARE(vocabulary.recordCount(), 13);
    QVERIFY(vocabulary.findFirst(u"Headword LIKE \"ZÜ*\""_s));
    QCOMPARE(vocabulary.value(u"Headword"_s).toString(), renamed);
    QVERIFY(m_sources->headwords().findFirst(u"Headword = \"ZÜRICH\""_s));
}

void TestDataSource::failedReadsAreToldFromEmptyOnes()
{
    DataSource& vocabulary = m_sources->vocabulary();
    QStringList causes;
    vocabulary.setReadErrorHandler(
        [&causes](const StoreError& error) { causes.append(error.description); });
    FakeMessageService messages;
    QVERIFY(vocabulary.findFirst(u"Headword = \"zürich\""_s));
    QCOMPARE(vocabularyfile::getDefinitions(m_sources->definitions(),
                                            vocabulary.value(u"ID"_s).toLongLong(), messages),
             u"a city\r\nin Switzerland"_s);
    QVERIFY(damageFile(m_fixture->path()));

    // A find that could not read has not found nothing: the handler and readError() say why.
    const QString cause = u"file is not a database"_s;
    QVERIFY(!vocabulary.findFirst(u"Headword = \"zapato\""_s));
    QCOMPARE(causes, QStringList{cause});
    QCOMPARE(vocabulary.readError().description, cause);
    // Nor are the definitions of an entry missing.
    QCOMPARE(vocabularyfile::getDefinitions(m_sources->definitions(), 1, messages), QString());
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().constFirst().text,
             u"The vocabulary could not be read.\r\n"_s + cause);
}

QTEST_GUILESS_MAIN(TestDataSource)
#include "TestDataSource.moc"
