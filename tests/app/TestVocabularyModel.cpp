#include "support/StoreFixture.h"
#include "support/FakeMessageService.h"

#include "app/VocabularyModel.h"
#include "store/VocabularySources.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

const QStringList& Entries = mixedScriptEntries();

QList<QVariantList> modelRows(const QAbstractItemModel& model)
{
    QList<QVariantList> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows.append(QVariantList());
        for (int column = 0; column < model.columnCount(); ++column)
            rows.last().append(model.index(row, column).data());
    }
    return rows;
}

// The rows as the file holds them now, read through sources of their own.
QList<QVariantList> fileRows(const QString& path)
{
    VocabularySources fresh;
    return fresh.attach(path) ? fresh.vocabulary().rows(0, 1000) : QList<QVariantList>();
}

} // namespace

class TestVocabularyModel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheFile();
    void definitionEditWritesThrough();
    void headwordEditMovesTheEntry_data();
    void headwordEditMovesTheEntry();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<VocabularySources> m_sources;
    FakeMessageService m_messages;
    std::unique_ptr<VocabularyModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestVocabularyModel::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QCOMPARE(m_fixture->addEntries(Entries).size(), Entries.size());
    m_sources = std::make_unique<VocabularySources>();
    QVERIFY(m_sources->attach(m_fixture->path()));
    m_model = std::make_unique<VocabularyModel>(m_sources->vocabulary(), m_messages);
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestVocabularyModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    QVERIFY(m_messages.allAnswersUsed());
}

void TestVocabularyModel::showsTheFile()
{
    QCOMPARE(m_model->rowCount(), 13);
    QCOMPARE(modelRows(*m_model), fileRows(m_fixture->path()));
    QVERIFY(!m_model->setData(m_model->index(0, 2), 999));

    m_sources->detach();
    m_model->reload();
    QCOMPARE(m_model->rowCount(), 0);
    QCOMPARE(m_model->columnCount(), 0);
}

void TestVocabularyModel::definitionEditWritesThrough()
{
    const QModelIndex cell = m_model->index(10, 1);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(m_model->setData(cell, u"on a lake"_s));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(cell.data().toString(), u"on a lake"_s);
    QCOMPARE(m_model->currentRow(), 10);
    QCOMPARE(modelRows(*m_model), fileRows(m_fixture->path()));

    // Leaving the text as it was writes nothing.
    const QByteArray before = fileBytes(m_fixture->path());
    QVERIFY(m_model->setData(cell, u"on a lake"_s));
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

void TestVocabularyModel::headwordEditMovesTheEntry_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<int>("newRow");

    QTest::newRow("up, from the second line") << 10 << u"Aachen"_s << 3;
    QTest::newRow("down, from the last line") << 3 << u"zz"_s << 10;
    QTest::newRow("in place") << 7 << u"Zapato"_s << 7;
}

void TestVocabularyModel::headwordEditMovesTheEntry()
{
    QFETCH(int, row);
    QFETCH(QString, headword);
    QFETCH(int, newRow);
    const QPersistentModelIndex edited = m_model->index(row, 1);
    const QPersistentModelIndex last = m_model->index(12, 0);
    const QVariant id = m_model->index(row, 2).data();

    QVERIFY(m_model->setData(m_model->index(row, 0), headword));
    QCOMPARE(modelRows(*m_model), fileRows(m_fixture->path()));
    QCOMPARE(edited.row(), newRow);
    QCOMPARE(m_model->index(newRow, 0).data().toString(), headword);
    QCOMPARE(m_model->index(newRow, 2).data(), id);
    QCOMPARE(m_model->currentRow(), newRow);
    QCOMPARE(last.data().toString(), u"слово"_s);
}

QTEST_GUILESS_MAIN(TestVocabularyModel)
#include "TestVocabularyModel.moc"
