#include "schedule/Fsrs.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

// Columns of the reference table, made by tools/fsrs-reference from the published scheduler.
enum Column {
    Sequence,
    ReviewIndex,
    ElapsedDays,
    RatingColumn,
    State,
    Step,
    Stability,
    Difficulty,
    IntervalDays,
    DueMinutes,
    ColumnCount
};

// The reference rows grouped by review sequence, in order.
QMap<int, QList<QStringList>> referenceSequences()
{
    QFile file(qEnvironmentVariable("LEXMINT_TEST_DATA") + u"/schedule/reference-reviews.csv"_s);
    QMap<int, QList<QStringList>> sequences;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return sequences;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList fields = line.split(u',');
        if (fields.size() != ColumnCount || !fields.at(Sequence).front().isDigit())
            continue;
        sequences[fields.at(Sequence).toInt()].append(fields);
    }
    return sequences;
}

bool sameTo4Digits(double actual, double expected)
{
    return std::abs(actual - expected) <= 5e-5 * std::abs(expected);
}

} // namespace

class TestFsrs : public QObject {
    Q_OBJECT
private slots:
    void matchesTheReference_data();
    void matchesTheReference();
};

void TestFsrs::matchesTheReference_data()
{
    QTest::addColumn<QList<QStringList>>("reviews");
    const QMap<int, QList<QStringList>> sequences = referenceSequences();
    QVERIFY2(sequences.size() >= 40, "the reference table is missing");
    for (auto it = sequences.cbegin(); it != sequences.cend(); ++it)
        QTest::addRow("sequence %d", it.key()) << it.value();
}

void TestFsrs::matchesTheReference()
{
    QFETCH(QList<QStringList>, reviews);
    fsrs::MemoryState memory;
    for (const QStringList& row : reviews) {
        const fsrs::Review review =
            fsrs::review(memory, row.at(ElapsedDays).toInt(),
                         static_cast<fsrs::Rating>(row.at(RatingColumn).toInt()));
        const QByteArray where = "review " + row.at(ReviewIndex).toLatin1();
        QVERIFY2(sameTo4Digits(review.memory.stability, row.at(Stability).toDouble()),
                 where + ": stability " + QByteArray::number(review.memory.stability));
        QVERIFY2(sameTo4Digits(review.memory.difficulty, row.at(Difficulty).toDouble()),
                 where + ": difficulty " + QByteArray::number(review.memory.difficulty));
        QCOMPARE(int(review.memory.state), row.at(State).toInt());
        QCOMPARE(review.memory.step, row.at(Step).toInt());
        QCOMPARE(review.intervalDays, row.at(IntervalDays).toInt());
        QCOMPARE(review.dueMinutes, row.at(DueMinutes).toInt());
        memory = review.memory;
    }
}

QTEST_GUILESS_MAIN(TestFsrs)
#include "TestFsrs.moc"
