#include "progress/widgets/ProgressWindow.h"

#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "progress/widgets/ProgressCharts.h"
#include "shell/PathTitles.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

QString saveTitle()
{
    return ProgressWindow::tr("Save Chart");
}

// Replaces the chart a view shows; the view owns it and deletes the one before.
void replaceChart(QChartView* view, QChart* chart)
{
    QChart* previous = view->chart();
    view->setChart(chart);
    delete previous;
}

} // namespace

ProgressWindow::ProgressWindow(Source source, Folder folder, FileDialogService& files,
                               MessageService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_source(std::move(source)),
      m_folder(std::move(folder)),
      m_files(files),
      m_messages(messages, this)
{
    setObjectName(u"frmProgress"_s);
    setWindowTitle(tr("Progress"));

    m_empty = new QLabel;
    m_empty->setObjectName(u"lblEmpty"_s);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setMargin(24);

    auto* charts = new QWidget;
    auto* grid = new QGridLayout(charts);
    grid->addWidget(makeChartPanel(m_answers, u"chartAnswers"_s, u"answers-per-day.png"_s), 0, 0);
    grid->addWidget(makeChartPanel(m_strengths, u"chartStrength"_s, u"memory-strength.png"_s), 0,
                    1);
    grid->addWidget(makeChartPanel(m_due, u"chartDue"_s, u"reviews-due.png"_s), 1, 0);
    grid->addWidget(makeChartPanel(m_share, u"chartShare"_s, u"share-right.png"_s), 1, 1);

    m_pages = new QStackedWidget;
    m_pages->addWidget(m_empty);
    m_pages->addWidget(charts);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    resize(960, 680);
    refresh();
}

QWidget* ProgressWindow::makeChartPanel(QChartView*& view, const QString& name,
                                        const QString& fileName)
{
    auto* panel = new QWidget;
    view = new QChartView(panel);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    auto* save = new QPushButton(tr("Save as &Picture..."), panel);
    save->setObjectName(u"cmdSave_"_s + name);
    connect(save, &QPushButton::clicked, this,
            [this, view, fileName] { saveChart(view, fileName); });
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view, 1);
    layout->addWidget(save, 0, Qt::AlignRight);
    return panel;
}

void ProgressWindow::refresh()
{
    QString reason;
    const std::optional<ProgressReport> report = m_source(&reason);
    if (!report) {
        showEmpty(reason);
        return;
    }
    if (!report->hasAnswers) {
        showEmpty(tr("No answers are recorded in this vocabulary yet.\n\nTake a test, and how you "
                     "are getting on will show here: your answers day by day, how firmly you "
                     "know your words, and the reviews to come."));
        return;
    }
    replaceChart(m_answers, progresscharts::answersPerDay(*report));
    replaceChart(m_strengths, progresscharts::strengths(*report));
    replaceChart(m_due, progresscharts::duePerDay(*report));
    replaceChart(m_share, progresscharts::weeklyShare(*report));
    m_pages->setCurrentIndex(1);
}

void ProgressWindow::showEmpty(const QString& text)
{
    m_empty->setText(text);
    m_pages->setCurrentIndex(0);
}

void ProgressWindow::saveChart(QChartView* view, const QString& fileName)
{
    FileDialogRequest request;
    request.title = saveTitle();
    request.directory = m_lastFolder.isEmpty() ? m_folder() : m_lastFolder;
    request.fileName = fileName;
    request.window = this;
    request.filters = QStringList{tr("PNG Picture (*.png)")};
    request.defaultSuffix = u"png"_s;
    const std::optional<QString> path = m_files.saveFile(request);
    if (!path)
        return;
    m_lastFolder = dirOfPath(*path);
    if (!view->grab().save(*path, "PNG"))
        m_messages.show({tr("The chart could not be saved as %1.").arg(*path), saveTitle(),
                         MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace lexmint
