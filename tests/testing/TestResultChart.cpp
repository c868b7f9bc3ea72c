#include "testing/ResultChart.h"

#include <QTest>

#include <limits>

using namespace lexmint;

namespace {

constexpr int MaxInt = std::numeric_limits<int>::max();
constexpr int MinInt = std::numeric_limits<int>::min();

} // namespace

class TestResultChart : public QObject {
    Q_OBJECT

private slots:
    void percentAndLabels_data();
    void percentAndLabels();
};

void TestResultChart::percentAndLabels_data()
{
    QTest::addColumn<int>("tested");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("correctLabel");
    QTest::addColumn<bool>("incorrectLabel");

    QTest::newRow("1 of 8 rounds the half up") << 8 << 1 << 13 << false << true;
    QTest::newRow("199 of 200 rounds to all") << 200 << 199 << 100 << true << false;
    QTest::newRow("15 %") << 100 << 15 << 15 << true << true;
    QTest::newRow("86 %") << 100 << 86 << 86 << true << false;
    QTest::newRow("largest count, one wrong") << MaxInt << MaxInt - 1 << 100 << true << false;
    QTest::newRow("smallest right") << MaxInt << MinInt << 0 << false << true;
    QTest::newRow("no answers") << 0 << 0 << 0 << false << false;
}

void TestResultChart::percentAndLabels()
{
    QFETCH(int, tested);
    QFETCH(int, correct);
    QFETCH(int, percent);
    QFETCH(bool, correctLabel);
    QFETCH(bool, incorrectLabel);

    QCOMPARE(ResultChart::roundedPercent(correct, tested), percent);
    const ResultChart chart(tested, correct, 3228, 3924); // the result dialog's size
    QCOMPARE(chart.hasAnswers(), tested > 0);
    QCOMPARE(chart.correctPercent(), percent);
    QCOMPARE(chart.incorrectPercent(), tested > 0 ? 100 - percent : 0);
    QCOMPARE(chart.correctArc(), percent / 50.0);
    QCOMPARE(chart.showsCorrectLabel(), correctLabel);
    QCOMPARE(chart.showsIncorrectLabel(), incorrectLabel);
}

QTEST_GUILESS_MAIN(TestResultChart)

#include "TestResultChart.moc"
