#include "testing/ResultChart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lexmint {

namespace {

/// The label points lie at half the radius.
constexpr int LabelDistance = ResultChart::Radius / 2;
/// The percentage labels are moved right by this much.
constexpr int LabelShift = 50;
/// The chart is raised by this much above the middle of the space below the separator.
constexpr int ChartRaise = 300;

/// `value` / 2 as a whole number, a half going to the even neighbour.
int halfToEven(qint64 value)
{
    const qint64 odd = value & 1;
    qint64 half = (value - odd) / 2; // rounded down, also for negative values
    if (odd && (half & 1))
        ++half;
    return static_cast<int>(half);
}

} // namespace

ResultChart::ResultChart(int testedCount, int correctCount, int clientWidth, int outerHeight)
    : m_hasAnswers(testedCount > 0),
      m_percent(roundedPercent(correctCount, testedCount)),
      m_centre(halfToEven(clientWidth),
               // (outerHeight - SeparatorTop) / 2 + SeparatorTop - ChartRaise, rounded as a whole
               halfToEven(qint64(outerHeight) + SeparatorTop - 2 * ChartRaise))
{
    if (m_percent > 0 && m_percent < 100) {
        // The green sector's middle lies at half its angle, counterclockwise from 3 o'clock;
        // on the screen, whose y axis points down, that is above the centre line.
        const double angle = -correctArc() / 2 * std::numbers::pi;
        m_toCorrectMiddle = QPoint(static_cast<int>(std::floor(LabelDistance * std::cos(angle))),
                                   static_cast<int>(std::floor(LabelDistance * std::sin(angle))));
    }
}

int ResultChart::roundedPercent(int correct, int tested)
{
    if (tested <= 0)
        return 0;
    const qint64 right = std::clamp(correct, 0, tested);
    // floor(right * 100 / tested + 0.5) without a fraction: (200 * right + tested) / (2 * tested).
    return static_cast<int>((200 * right + tested) / (2 * qint64(tested)));
}

QPoint ResultChart::correctLabelCentre() const
{
    return m_centre + m_toCorrectMiddle + QPoint(LabelShift, 0);
}

QPoint ResultChart::incorrectLabelCentre() const
{
    return m_centre - m_toCorrectMiddle + QPoint(LabelShift, 0);
}

} // namespace lexmint
