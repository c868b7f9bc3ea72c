#include "support/FakeFileDialogService.h"
#include "support/FakeMessageService.h"

#include "progress/widgets/ProgressWindow.h"

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void savesAChartOrSaysWhyNot_data();
    void savesAChartOrSaysWhyNot();
};

void TestProgressWindow::savesAChartOrSaysWhyNot_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("saved");

    QTest::newRow("saved") << QString() << true;
    QTest::newRow("folder missing") << u"/gone"_s << false;
}

void TestProgressWindow::savesAChartOrSaysWhyNot()
{
    QFETCH(QString, folder);
    QFETCH(bool, saved);

    ProgressReport report;
    report.today = QDate(2026, 3, 14);
    report.hasAnswers = true;
    report.answersPerDay.fill({1, 1}, ProgressReport::AnswerDays);
    report.answersPerWeek.fill({7, 7}, 13);
    report.duePerDay.fill(1, ProgressReport::DueDays);
    FakeFileDialogService files;
    FakeMessageService messages;
    ProgressWindow window([&](QString*) { return std::optional(report); },
                          [] { return u"/home/learner/words/"_s; }, files, messages);

    QTemporaryDir dir;
    const QString path = dir.path() + folder + u"/chart.png"_s;
    files.expect(path);
    window.findChild<QPushButton*>(u"cmdSave_chartAnswers"_s)->click();

    QCOMPARE(QImage(path).isNull(), !saved);
    QCOMPARE(messages.shown().size(), saved ? 0 : 1);
    if (!saved) {
        QCOMPARE(messages.shown().first().icon, MessageIcon::Exclamation);
        QCOMPARE(messages.shown().first().window, static_cast<QObject*>(&window));
    }
    QVERIFY(files.allResultsUsed());
}

QTEST_MAIN(TestProgressWindow)
#include "TestProgressWindow.moc"
