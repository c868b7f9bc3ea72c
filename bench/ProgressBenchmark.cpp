// Measures the progress window on a vocabulary of 100,000 entries with about 1,000,000 recorded
// answers: the time from the request to open the window until all four charts are painted, and
// the time that reading the figures alone takes. Headless (offscreen platform) unless a platform
// is set; prints the times of each run and their median:
//   lexmint-progressbench [--runs N]

#include "RecordingMessageService.h"
#include "VocabularyCache.h"
#include "platform/Clock.h"
#include "platform/FileDialogService.h"
#include "progress/ProgressReport.h"
#include "progress/widgets/ProgressWindow.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace lexmint::bench {

namespace {

constexpr int Size = 100'000;
constexpr int DefaultRuns = 5;
constexpr double TargetMs = 300;

class CancellingFileDialogs final : public FileDialogService {
public:
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// Ends `loop` once every chart view of the window has painted.
class ChartsPainted final : public QObject {
public:
    explicit ChartsPainted(QEventLoop& loop) : m_loop(loop) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (const auto* view = qobject_cast<QChartView*>(watched->parent())) {
                m_painted.insert(view);
                if (m_painted.size() == 4)
                    m_loop.quit();
            }
        }
        return false;
    }

private:
    QEventLoop& m_loop;
    QSet<const QChartView*> m_painted;
};

// Processor time of the process, which other work on the machine disturbs less than wall time.
double cpuMs()
{
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int run(int runs)
{
    VocabularyCache cache(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"));
    const BenchVocabulary& vocabulary = cache.vocabulary(Size);
    RecordingMessageService messages;
    VocabInfo info;
    VocabularySources sources;
    if (!vocabularyfile::inspect(vocabulary.readPath, info, VocabInfo(), messages)
        || !sources.attach(vocabulary.readPath)) {
        std::fprintf(stderr, "Cannot open the vocabulary\n");
        return 1;
    }
    const SystemClock clock;
    CancellingFileDialogs files;
    const auto read = [&](QString* reason) {
        StoreError error;
        std::optional<ProgressReport> report = readProgress(*sources.database(), clock, &error);
        if (!report)
            *reason = error.description;
        return report;
    };

    QList<double> opened;
    QList<double> openedCpu;
    QList<double> figures;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QString reason;
        if (!read(&reason)) {
            std::fprintf(stderr, "Cannot read the figures: %s\n", qPrintable(reason));
            return 1;
        }
        const double readMs = double(timer.nsecsElapsed()) / 1e6;

        QEventLoop loop;
        ChartsPainted painted(loop);
        qApp->installEventFilter(&painted);
        timer.restart();
        const double cpuAtStart = cpuMs();
        ProgressWindow window(
            read, [] { return QString(); }, files, messages);
        window.show();
        loop.exec();
        const double openMs = double(timer.nsecsElapsed()) / 1e6;
        const double openCpuMs = cpuMs() - cpuAtStart;
        qApp->removeEventFilter(&painted);
        // The first run warms the caches and is not counted.
        if (i == 0)
            continue;
        std::printf("run %d: figures %.1f ms, window with charts %.1f ms (CPU %.1f ms)\n", i,
                    readMs, openMs, openCpuMs);
        figures.append(readMs);
        opened.append(openMs);
        openedCpu.append(openCpuMs);
    }
    const double openMedian = median(opened);
    std::printf("median: figures %.1f ms, window with charts %.1f ms (CPU %.1f ms; target below "
                "%.0f ms)\n",
                median(figures), openMedian, median(openedCpu), TargetMs);
    return openMedian < TargetMs && messages.shown().isEmpty() ? 0 : 2;
}

} // namespace lexmint::bench

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? args.value(runsAt + 1).toInt() : lexmint::bench::DefaultRuns;
    return lexmint::bench::run(std::max(1, runs));
}
