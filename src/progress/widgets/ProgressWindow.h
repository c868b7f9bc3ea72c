#pragma once

#include "platform/widgets/WindowMessages.h"
#include "progress/ProgressReport.h"

#include <QWidget>

#include <functional>

class QChartView;
class QLabel;
class QStackedWidget;

namespace lexmint {

class FileDialogService;

/// The progress window ("frmProgress"): charts of the answers given, of how firmly the entries
/// are known, of the reviews to come and of the share of right answers. It draws what its
/// source reads from the open vocabulary, again whenever it is told to refresh, and saves each
/// chart as a picture. Without answers to show it says so instead.
class ProgressWindow final : public QWidget {
    Q_OBJECT

public:
    /// Reads what the window shows: the report of the open vocabulary, or nothing and the
    /// reason when there is none to show.
    using Source = std::function<std::optional<ProgressReport>(QString* reason)>;

    /// The folder a save dialog starts in until a chart has been saved.
    using Folder = std::function<QString()>;

    ProgressWindow(Source source, Folder folder, FileDialogService& files, MessageService& messages,
                   QWidget* parent = nullptr);

    /// Reads the report again and redraws every chart.
    void refresh();

private:
    QWidget* makeChartPanel(QChartView*& view, const QString& name, const QString& fileName);
    void saveChart(QChartView* view, const QString& fileName);
    void showEmpty(const QString& text);

    Source m_source;
    Folder m_folder;
    QString m_lastFolder;
    FileDialogService& m_files;
    WindowMessages m_messages;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_empty = nullptr;
    QChartView* m_answers = nullptr;
    QChartView* m_strengths = nullptr;
    QChartView* m_due = nullptr;
    QChartView* m_share = nullptr;
};

} // namespace lexmint
