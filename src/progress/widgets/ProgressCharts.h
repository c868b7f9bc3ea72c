#pragma once

class QChart;

namespace lexmint {

struct ProgressReport;

/// The charts of the progress window, each drawn from a progress report.
namespace progresscharts {

/// Right and wrong answers per day, stacked.
QChart* answersPerDay(const ProgressReport& report);
/// The entries by memory strength, now and some time ago.
QChart* strengths(const ProgressReport& report);
/// The reviews due on each of the coming days.
QChart* duePerDay(const ProgressReport& report);
/// The share of right answers per week against the share aimed at.
QChart* weeklyShare(const ProgressReport& report);

} // namespace progresscharts
} // namespace lexmint
