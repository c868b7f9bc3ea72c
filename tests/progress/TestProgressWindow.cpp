#include "support/FakeFileDialogService.h"
#include "support/FakeMessageService.h"

#include "progress/widgets/ProgressWindow.h"

#include <QBarSet>
#include <QChartView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

ProgressReport reportWithAnswersToday(int right, int wrong)
{
    ProgressReport report;
    report.today = QDate(2026, 3, 14);
    report.hasAnswers = true;
    report.answersPerDay.fill({}, ProgressReport::AnswerDays);
    report.answersPerDay.last() = {right, wrong};
    report.answersPerWeek.fill({}, 13);
    report.answersPerWeek.last() = {right, wrong};
    report.duePerDay.fill(1, ProgressReport::DueDays);
    return report;
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsWhatItsSourceReads_data();
    void showsWhatItsSourceReads();
    void savesEachChartAsPicture_data();
    void savesEachChartAsPicture();

private:
    QString shownText() const;
    int rightToday(const QString& chart) const;

    std::optional<ProgressReport> m_report;
    QString m_reason;
    std::unique_ptr<FakeFileDialogService> m_files;
    std::unique_ptr<FakeMessageService> m_messages;
    std::unique_ptr<ProgressWindow> m_window;
};

void TestProgressWindow::init()
{
    m_report = reportWithAnswersToday(3, 1);
    m_files = std::make_unique<FakeFileDialogService>();
    m_messages = std::make_unique<FakeMessageService>();
    m_window = std::make_unique<ProgressWindow>(
        [this](QString* reason) {
            *reason = m_reason;
            return m_report;
        },
        [] { return u"/home/learner/words/"_s; }, *m_files, *m_messages);
}

void TestProgressWindow::cleanup()
{
    m_window.reset();
    QVERIFY(m_messages->allAnswersUsed());
    QVERIFY(m_files->allResultsUsed());
}

QString TestProgressWindow::shownText() const
{
    const auto* pages = m_window->findChild<QStackedWidget*>();
    return pages->currentIndex() == 0 ? m_window->findChild<QLabel*>(u"lblEmpty"_s)->text()
                                      : u"charts"_s;
}

int TestProgressWindow::rightToday(const QString& chart) const
{
    const auto* view = m_window->findChild<QChartView*>(chart);
    const auto* series = qobject_cast<QStackedBarSeries*>(view->chart()->series().value(0));
    return series ? int(series->barSets().at(0)->at(ProgressReport::AnswerDays - 1)) : -1;
}

void TestProgressWindow::showsWhatItsSourceReads_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("shown");

    QTest::newRow("answers to show") << true << true << u"charts"_s;
    QTest::newRow("never tested") << true << false << u"No answers are recorded"_s;
    QTest::newRow("nothing to read") << false << false << u"Open a vocabulary"_s;
}

void TestProgressWindow::showsWhatItsSourceReads()
{
    QFETCH(bool, readable);
    QFETCH(bool, answered);
    QFETCH(QString, shown);

    QCOMPARE(rightToday(u"chartAnswers"_s), 3);
    m_report = readable ? std::optional(reportWithAnswersToday(5, 0)) : std::nullopt;
    if (m_report)
        m_report->hasAnswers = answered;
    m_reason = u"Open a vocabulary to see how you are getting on with it."_s;
    m_window->refresh();
    QVERIFY2(shownText().startsWith(shown), qPrintable(shownText()));
    if (answered)
        QCOMPARE(rightToday(u"chartAnswers"_s), 5);
}

void TestProgressWindow::savesEachChartAsPicture_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("saved");

    for (const QString& chart :
         {u"chartAnswers"_s, u"chartStrength"_s, u"chartDue"_s, u"chartShare"_s})
        QTest::addRow("%s", qPrintable(chart)) << chart << false << QString() << true;
    QTest::newRow("folder missing") << u"chartDue"_s << false << u"/gone"_s << false;
    QTest::newRow("cancelled") << u"chartDue"_s << true << QString() << false;
}

void TestProgressWindow::savesEachChartAsPicture()
{
    QFETCH(QString, chart);
    QFETCH(bool, cancel);
    QFETCH(QString, folder);
    QFETCH(bool, saved);

    QTemporaryDir dir;
    const QString path = dir.path() + folder + u"/chart.png"_s;
    m_files->expect(cancel ? std::nullopt : std::optional(path));
    const bool failing = !saved && !cancel;
    if (failing)
        m_messages->expect(MessageAnswer::Ok);
    m_window->findChild<QPushButton*>(u"cmdSave_"_s + chart)->click();

    QCOMPARE(m_files->saveRequests().size(), 1);
    // The dialog and any box belong to the window.
    QCOMPARE(m_files->saveRequests().first().window, static_cast<QObject*>(m_window.get()));
    QCOMPARE(QImage(path).isNull(), !saved);
    if (failing) {
        QCOMPARE(m_messages->shown().first().icon, MessageIcon::Exclamation);
        QCOMPARE(m_messages->shown().first().window, static_cast<QObject*>(m_window.get()));
    }
}

QTEST_MAIN(TestProgressWindow)
#include "TestProgressWindow.moc"
