#include "testing/ResultChart.h"

#include <QTest>

#include <limits>

using namespace lexmint;

namespace {

constexpr int MaxInt = std::numeric_limits<int>::max();
constexpr int MinInt = std::numeric_limits<int>::min();

// The result dialog's client width and its outer height with a 360-twip frame.
constexpr int Width = 3228;
constexpr int Height = 3564 + 360;

} // namespace

class TestResultChart : public QObject {
    Q_OBJECT

private slots:
    void percentAndLabels_data();
    void percentAndLabels();
    void centreRoundsHalvesToEven_data();
    void centreRoundsHalvesToEven();
    void labelsSitInTheMiddleOfTheirSectors_data();
    void labelsSitInTheMiddleOfTheirSectors();
};

void TestResultChart::percentAndLabels_data()
{
    QTest::addColumn<int>("tested");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("correctLabel");
    QTest::addColumn<bool>("incorrectLabel");

    QTest::newRow("2 of 3") << 3 << 2 << 67 << true << true;
    QTest::newRow("1 of 8 rounds the half up") << 8 << 1 << 13 << false << true;
    QTest::newRow("199 of 200 rounds to all") << 200 << 199 << 100 << true << false;
    QTest::newRow("14 %") << 100 << 14 << 14 << false << true;
    QTest::newRow("15 %") << 100 << 15 << 15 << true << true;
    QTest::newRow("85 %") << 100 << 85 << 85 << true << true;
    QTest::newRow("86 %") << 100 << 86 << 86 << true << false;
    QTest::newRow("none right") << 5 << 0 << 0 << false << true;
    QTest::newRow("largest count, just under half") << MaxInt << MaxInt / 2 << 50 << true << true;
    QTest::newRow("largest count, one wrong") << MaxInt << MaxInt - 1 << 100 << true << false;
    QTest::newRow("more right than tested") << 3 << 5 << 100 << true << false;
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
    const ResultChart chart(tested, correct, Width, Height);
    QCOMPARE(chart.hasAnswers(), tested > 0);
    QCOMPARE(chart.correctPercent(), percent);
    QCOMPARE(chart.incorrectPercent(), tested > 0 ? 100 - percent : 0);
    QCOMPARE(chart.correctArc(), percent / 50.0);
    QCOMPARE(chart.showsCorrectLabel(), correctLabel);
    QCOMPARE(chart.showsIncorrectLabel(), incorrectLabel);
}

void TestResultChart::centreRoundsHalvesToEven_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("centre");

    // y is midway between the separator (1035) and the bottom edge, raised by 300.
    QTest::newRow("dialog") << 3228 << 3924 << QPoint(1614, 2180);
    QTest::newRow("halves down to even") << 3229 << 3926 << QPoint(1614, 2180);
    QTest::newRow("halves up to even") << 3231 << 3928 << QPoint(1616, 2182);
}

void TestResultChart::centreRoundsHalvesToEven()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, centre);

    QCOMPARE(ResultChart(3, 2, width, height).centre(), centre);
}

void TestResultChart::labelsSitInTheMiddleOfTheirSectors_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<QPoint>("toCorrect"); // from the centre, before the shift of 50 right

    // At half the radius (350), halfway through the green sector counterclockwise from
    // 3 o'clock; screen y points down, and both coordinates are rounded down.
    QTest::newRow("25 %") << 25 << QPoint(247, -248);
    QTest::newRow("67 %") << 67 << QPoint(-179, -302);
    QTest::newRow("75 %") << 75 << QPoint(-248, -248);
    QTest::newRow("all right: the centre") << 100 << QPoint(0, 0);
}

void TestResultChart::labelsSitInTheMiddleOfTheirSectors()
{
    QFETCH(int, correct);
    QFETCH(QPoint, toCorrect);

    const ResultChart chart(100, correct, Width, Height);
    const QPoint shift(50, 0);
    QCOMPARE(chart.correctLabelCentre(), chart.centre() + toCorrect + shift);
    QCOMPARE(chart.incorrectLabelCentre(), chart.centre() - toCorrect + shift);
}

QTEST_GUILESS_MAIN(TestResultChart)

#include "TestResultChart.moc"
