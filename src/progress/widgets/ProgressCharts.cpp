#include "progress/widgets/ProgressCharts.h"

#include "progress/ProgressReport.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace lexmint::progresscharts {

namespace {

using namespace Qt::StringLiterals;

const QColor RightColour(0x2e, 0x9d, 0x4f);
const QColor WrongColour(0xd6, 0x45, 0x3d);
const QColor EarlierColour(0xa9, 0xb8, 0xc9);
const QColor NowColour(0x2f, 0x6f, 0xb5);

QChart* makeChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QString dayText(QDate day)
{
    return QLocale().toString(day, u"d MMM"_s);
}

/// An axis over `count` days from `first` on, labelled every `every` days.
QCategoryAxis* dayAxis(QDate first, int count, int every)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int day = 0; day < count; day += every)
        axis->append(dayText(first.addDays(day)), day);
    axis->setRange(-0.5, count - 0.5);
    return axis;
}

/// A count axis from 0 that shows whole numbers.
QValueAxis* countAxis(qreal largest)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max<qreal>(largest, 4));
    axis->setLabelFormat(u"%d"_s);
    axis->applyNiceNumbers();
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    // Short labels such as "23 Sep" are shown whole; the axes leave room enough between them.
    x->setTruncateLabels(false);
    chart->addSeries(series);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

QBarSet* barSet(const QString& label, const QColor& colour)
{
    auto* set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

} // namespace

QChart* answersPerDay(const ProgressReport& report)
{
    QChart* chart =
        makeChart(QCoreApplication::translate("lexmint::ProgressCharts", "Answers per day"));
    QBarSet* right =
        barSet(QCoreApplication::translate("lexmint::ProgressCharts", "Right"), RightColour);
    QBarSet* wrong =
        barSet(QCoreApplication::translate("lexmint::ProgressCharts", "Wrong"), WrongColour);
    int most = 0;
    for (const ProgressReport::Answers& day : report.answersPerDay) {
        right->append(day.right);
        wrong->append(day.wrong);
        most = std::max(most, day.total());
    }
    auto* series = new QStackedBarSeries;
    series->setBarWidth(0.9);
    series->append({right, wrong});
    attach(chart, series, dayAxis(report.firstAnswerDay(), ProgressReport::AnswerDays, 14),
           countAxis(most));
    return chart;
}

QChart* strengths(const ProgressReport& report)
{
    QChart* chart = makeChart(
        QCoreApplication::translate("lexmint::ProgressCharts", "Words by memory strength"));
    QBarSet* before = barSet(QCoreApplication::translate("lexmint::ProgressCharts", "%1 days ago")
                                 .arg(ProgressReport::StrengthLookBackDays),
                             EarlierColour);
    QBarSet* now =
        barSet(QCoreApplication::translate("lexmint::ProgressCharts", "Today"), NowColour);
    qint64 most = 0;
    for (size_t strength = 0; strength < report.strengthToday.size(); ++strength) {
        before->append(report.strengthBefore.at(strength));
        now->append(report.strengthToday.at(strength));
        most =
            std::max({most, report.strengthBefore.at(strength), report.strengthToday.at(strength)});
    }
    auto* series = new QBarSeries;
    series->append({before, now});
    auto* axis = new QBarCategoryAxis;
    axis->append({QCoreApplication::translate("lexmint::ProgressCharts", "New"),
                  QCoreApplication::translate("lexmint::ProgressCharts", "Learning"),
                  QCoreApplication::translate("lexmint::ProgressCharts", "Known"),
                  QCoreApplication::translate("lexmint::ProgressCharts", "Well known")});
    attach(chart, series, axis, countAxis(qreal(most)));
    return chart;
}

QChart* duePerDay(const ProgressReport& report)
{
    QChart* chart =
        makeChart(QCoreApplication::translate("lexmint::ProgressCharts", "Reviews due"));
    QBarSet* due = barSet(
        QCoreApplication::translate("lexmint::ProgressCharts", "Due (today's with the overdue)"),
        NowColour);
    qint64 most = 0;
    for (const qint64 count : report.duePerDay) {
        due->append(count);
        most = std::max(most, count);
    }
    auto* series = new QBarSeries;
    series->setBarWidth(0.8);
    series->append(due);
    attach(chart, series, dayAxis(report.today, ProgressReport::DueDays, 7),
           countAxis(qreal(most)));
    return chart;
}

QChart* weeklyShare(const ProgressReport& report)
{
    QChart* chart = makeChart(
        QCoreApplication::translate("lexmint::ProgressCharts", "Answered right per week"));
    auto* share = new QLineSeries;
    share->setName(QCoreApplication::translate("lexmint::ProgressCharts", "Right answers"));
    share->setColor(RightColour);
    share->setPointsVisible(true);
    auto* target = new QLineSeries;
    target->setName(QCoreApplication::translate("lexmint::ProgressCharts", "Target %1 %")
                        .arg(ProgressReport::TargetShare * 100));
    target->setColor(Qt::gray);
    target->setPen(QPen(Qt::gray, 1.5, Qt::DashLine));
    const qsizetype weeks = report.answersPerWeek.size();
    for (qsizetype week = 0; week < weeks; ++week) {
        const ProgressReport::Answers& answers = report.answersPerWeek.at(week);
        // A week without answers has no share to show.
        if (answers.total() > 0)
            share->append(qreal(week), 100.0 * answers.right / answers.total());
    }
    target->append(-0.5, ProgressReport::TargetShare * 100);
    target->append(weeks - 0.5, ProgressReport::TargetShare * 100);

    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (qsizetype week = 0; week < weeks; week += 2)
        axis->append(dayText(report.weekStart(week)), qreal(week));
    axis->setRange(-0.5, weeks - 0.5);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(u"%d %%"_s);
    attach(chart, share, axis, percent);
    chart->addSeries(target);
    target->attachAxis(axis);
    target->attachAxis(percent);
    return chart;
}

} // namespace lexmint::progresscharts
