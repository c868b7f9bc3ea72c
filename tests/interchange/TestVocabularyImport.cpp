#include "interchange/ImportPlan.h"
#include "interchange/VocabularyImporter.h"
#include "store/SqlQuery.h"
#include "support/StoreFixture.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Every entry as "headword|line|line" in ID order.
ImportPlan csvPlan(const QString& text)
{
    return planImport(text.toUtf8(), u"words.csv"_s, ImportSettings(), 50);
}

const QString ManyLines = u"viel|"_s + QStringList(25, u"x"_s).join(u'|');
// The second is not in normalization form C.
const QStringList VocabularyBefore{u"Essen|food"_s, u"cafe\u0301|coffee house"_s, ManyLines};

} // namespace

class TestVocabularyImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void duplicateRules_data();
    void duplicateRules();
    void statisticsComeAlong();
    void interruptedImportLeavesTheFileAsItWas_data();
    void interruptedImportLeavesTheFileAsItWas();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<Database> m_db;
};

void TestVocabularyImport::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_db = std::make_unique<Database>();
    QVERIFY(m_db->open(m_fixture->path()));
}

void TestVocabularyImport::duplicateRules_data()
{
    QTest::addColumn<DuplicateRule>("rule");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("report");

    // The file brings "essen|to eat", "Essen|food|meal", "caf\u00E9|coffee house|bar",
    // "Essen|dish" and "viel|a|b", which has too many lines to merge.
    QTest::newRow("merge") << DuplicateRule::Merge
                           << QStringList{u"Essen|food|meal|dish"_s,
                                          u"cafe\u0301|coffee house|bar"_s, ManyLines,
                                          u"essen|to eat"_s}
                           << u"1 added, 3 merged, 1 refused"_s;
    QTest::newRow("skip") << DuplicateRule::Skip
                          << VocabularyBefore + QStringList{u"essen|to eat"_s}
                          << u"1 added, 0 merged, 4 skipped, 0 refused"_s;
    QTest::newRow("add") << DuplicateRule::Add
                         << VocabularyBefore
            + QStringList{u"essen|to eat"_s, u"Essen|food|meal"_s, u"caf\u00E9|coffee house|bar"_s,
                          u"Essen|dish"_s, u"viel|a|b"_s}
                         << u"5 added, 0 merged, 0 refused"_s;
}

void TestVocabularyImport::duplicateRules()
{
    QFETCH(DuplicateRule, rule);
    QFETCH(QStringList, entries);
    QFETCH(QString, report);

    m_fixture->addEntries(VocabularyBefore);
    ImportReport done;
    const ImportPlan plan = csvPlan(
        u"essen,to eat\nEssen,food,meal\ncaf\u00E9,coffee house,bar\nEssen,dish\nviel,a,b\n"_s);
    QCOMPARE(VocabularyImporter(*m_db, m_fixture->clock).run(plan, rule, done),
             VocabularyImporter::Outcome::Done);
    QCOMPARE(storedEntries(*m_db), entries);
    QCOMPARE(done.summary(), report);
}

void TestVocabularyImport::statisticsComeAlong()
{
    m_fixture->addEntries({u"alt|old"_s});
    SqlQuery(*m_db, u"UPDATE Headwords SET Tested = 3, Correct = 2, LastOK = 1"_s).exec();
    const QList<VocabularyEntry> source{
        {u"alt"_s, {u"aged"_s}, {QDate(2025, 1, 1), 9, 9, 1}},
        {u"neu"_s, {u"new"_s}, {QDate(2025, 2, 3), 4, 1, 0}},
        {u"nie"_s, {u"never"_s}, {QDate(), 0, 0, -1}},
    };
    ImportReport report;
    QCOMPARE(VocabularyImporter(*m_db, m_fixture->clock)
                 .run(planFromEntries(source, 50), DuplicateRule::Merge, report),
             VocabularyImporter::Outcome::Done);
    // A merged entry keeps its own statistics; new ones bring theirs or start afresh today.
    QCOMPARE((QStringList{entryStatistics(*m_db, u"alt"_s), entryStatistics(*m_db, u"neu"_s),
                          entryStatistics(*m_db, u"nie"_s)}),
             (QStringList{u"2026-03-14 3 2 1"_s, u"2025-02-03 4 1 0"_s, u"2026-03-14 0 0 -1"_s}));
}

void TestVocabularyImport::interruptedImportLeavesTheFileAsItWas_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    // The file refuses a line early on, as a full disk would refuse a page.
    QTest::newRow("failed") << false;
}

void TestVocabularyImport::interruptedImportLeavesTheFileAsItWas()
{
    QFETCH(bool, cancel);
    QVERIFY(m_fixture->execRaw(
        u"CREATE TRIGGER Refuse BEFORE INSERT ON Definitions "
        "WHEN new.Definition = 'boom' BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s));
    m_fixture->addEntries({u"eins|one"_s});
    const QByteArray before = fileBytes(m_fixture->path());
    QString text = cancel ? u"zwei,two\neins,uno\n"_s : u"zwei,two\neins,uno\ndrei,boom\n"_s;
    for (int i = 0; i < 2000; ++i)
        text += u"wort%1,word %1\n"_s.arg(i);
    ImportReport report;
    StoreError error;
    int calls = 0;
    const auto goOn = [&](qsizetype done, qsizetype) {
        return !cancel || ++calls < 5 || done == 0;
    };
    QCOMPARE(VocabularyImporter(*m_db, m_fixture->clock)
                 .run(csvPlan(text), DuplicateRule::Merge, report, goOn, &error),
             cancel ? VocabularyImporter::Outcome::Cancelled : VocabularyImporter::Outcome::Failed);
    QCOMPARE(error.description.contains(u"disk full"_s), !cancel);
    QCOMPARE(storedEntries(*m_db), QStringList{u"eins|one"_s});
    m_db->close();
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

QTEST_GUILESS_MAIN(TestVocabularyImport)
#include "TestVocabularyImport.moc"
