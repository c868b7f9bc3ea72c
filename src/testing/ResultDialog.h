#pragma once

#include "testing/ResultChart.h"

#include <QDialog>

namespace lexmint {

class SoundService;

/// Sums up a test run: the test mode, the numbers of answers, right and wrong, and a pie
/// chart of the share of right answers with the percentages written over its sectors.
/// Modal; sounds the alert when it is created. A run without answers shows its zero counts
/// and an empty chart.
class ResultDialog : public QDialog {
    Q_OBJECT

public:
    ResultDialog(const QString& testMode, int testedCount, int correctCount, SoundService& sound,
                 QWidget* parent);

    const ResultChart& chart() const { return m_chart; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    /// In twips: as designed, or wider for a long mode name.
    int m_clientWidth;
    ResultChart m_chart;
};

} // namespace lexmint
