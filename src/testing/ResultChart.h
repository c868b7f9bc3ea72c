#pragma once

#include <QPoint>
#include <QtGlobal>

namespace lexmint {

/// The figures and the geometry of the result dialog's pie chart, in twips of the dialog's
/// client area. The green sector starts at 3 o'clock and runs counterclockwise over the share
/// of right answers; the red one covers the rest.
///
/// A run without answers has no share: percent() is 0, both percentage labels stay hidden
/// and the dialog draws neither sector. Counts outside 0 <= correct <= tested are clamped
/// for the chart, so that no sector ever runs past the full circle.
class ResultChart {
public:
    static constexpr int Radius = 700;
    /// The shadow lies this far right of and below the chart.
    static constexpr int ShadowOffset = 50;
    /// Top of the separator line under the figures; the chart sits between it and the bottom.
    static constexpr int SeparatorTop = 1035;

    /// `clientWidth` is the dialog's inner width, `outerHeight` its height with title bar
    /// and borders.
    ResultChart(int testedCount, int correctCount, int clientWidth, int outerHeight);

    /// `correct` of `tested` as a whole percentage, halves rounded up (1 of 8 gives 13), in
    /// exact 64-bit arithmetic; clamped to 0..100, and 0 when `tested` is not positive.
    static int roundedPercent(int correct, int tested);

    bool hasAnswers() const { return m_hasAnswers; }
    int correctPercent() const { return m_percent; }
    int incorrectPercent() const { return m_hasAnswers ? 100 - m_percent : 0; }
    /// The right answers' share of the circle as a multiple of pi: 0 to 2.
    double correctArc() const { return m_percent / 50.0; }

    QPoint centre() const { return m_centre; }
    /// Where the percentage labels are centred: the middle of each sector at half the radius,
    /// moved 50 right so that the text sits over the middle of the chart with its shadow.
    QPoint correctLabelCentre() const;
    QPoint incorrectLabelCentre() const;
    /// A label is shown only where its sector is wide enough to hold it (15 % and more).
    bool showsCorrectLabel() const { return m_hasAnswers && m_percent >= 15; }
    bool showsIncorrectLabel() const { return m_hasAnswers && m_percent <= 85; }

private:
    bool m_hasAnswers;
    int m_percent;
    QPoint m_centre;
    /// From the centre to the middle of the green sector at half the radius; zero when one
    /// sector fills the whole circle.
    QPoint m_toCorrectMiddle;
};

} // namespace lexmint
