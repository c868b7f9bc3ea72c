// Measures the program's start on a vocabulary of 100,000 entries beside its start on an empty
// one: the time from the start of the process until the data sheet is first painted, and the
// memory the process then holds.
//
// Run without arguments (or with --runs N), it generates both vocabularies and starts itself
// with --measure <file> N times per file, the files taking turns, after one discarded warm-up
// start each. Every start is headless (offscreen platform) and gets fresh per-user settings
// in which the welcome of a first run is already done.
//
// With --measure <file> it starts the program as main.cpp does, on that file, and prints
// "<milliseconds> <resident kB> <rows>" once the data sheet's first paint is on screen, then
// quits. The milliseconds count from the process start that the kernel recorded, which
// includes loading the libraries; the kernel keeps that moment in 10 ms ticks, so each
// figure is 0 to 10 ms too high, alike for both files. The program shows the data sheet only
// with a vocabulary open and fills the model before it shows the sheet, so that paint shows
// the first rows, or for the empty vocabulary the sheet with its column headers and no rows,
// which is what the user then sees. <rows> is the model's row count at that paint.

#include "VocabularyCache.h"
#include "app/Application.h"
#include "app/VocabGrid.h"
#include "platform/AppIdentity.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unistd.h>

namespace lexmint::bench {

namespace {

constexpr int DefaultRuns = 5;
constexpr int LargeSize = 100'000;
constexpr int RunTimeoutMs = 120'000;
constexpr double MaxStartRatio = 2.0;
constexpr double MaxResidentMb = 150.0;

// --- The measured process ---------------------------------------------------------------

// The contents of a file of /proc/self.
QByteArray procSelf(const char* file)
{
    QFile proc(QLatin1String("/proc/self/") + QLatin1String(file));
    return proc.open(QIODevice::ReadOnly) ? proc.readAll() : QByteArray();
}

double msSinceProcessStart()
{
    // Field 22 of stat is the start in ticks since boot; the fields from the third on follow
    // the command name, which is in parentheses and may hold blanks.
    const QByteArray stat = procSelf("stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const double startMs = fields.value(19).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6 - startMs;
}

qint64 residentKb()
{
    for (const QByteArray& line : procSelf("status").split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Reports the figures once the first paint of the data sheet is done, and ends the program.
class FirstSheetPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_seen || event->type() != QEvent::Paint)
            return false;
        const auto* grid = qobject_cast<VocabGrid*>(watched->parent());
        if (!grid || watched != grid->viewport())
            return false;
        m_seen = true;
        QMetaObject::invokeMethod(
            this,
            [rows = grid->model()->rowCount()] {
                std::printf("%.1f %lld %d\n", msSinceProcessStart(), residentKb(), rows);
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_seen = false;
};

int measure(int& argc, char** argv, const QString& path)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    QApplication::setOrganizationName(organizationName());
    FirstSheetPaint probe;
    app.installEventFilter(&probe);
    Application program({path});
    program.start();
    return QApplication::exec();
}

// --- The driver ---------------------------------------------------------------------------

struct Sample {
    double ms = 0;
    double residentMb = 0;
    int rows = 0;
};

/// A start of the program measured in a child process, or why it could not be measured.
struct Measurement {
    std::optional<Sample> sample;
    QString failure;
};

Measurement measureStart(const QString& path)
{
    const auto failed = [&path](const QString& why) {
        return Measurement{std::nullopt, path + QStringLiteral(": ") + why};
    };
    const QTemporaryDir config;
    QFile settings(config.filePath(organizationName() + u'/' + applicationTitle()
                                   + QStringLiteral(".conf")));
    if (!config.isValid() || !QDir().mkpath(config.filePath(organizationName()))
        || !settings.open(QIODevice::WriteOnly)
        || settings.write("[Settings]\nMainWinState=0\n") < 0)
        return failed(QStringLiteral("cannot write the settings"));
    settings.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), path});
    if (!child.waitForFinished(RunTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        return failed(QStringLiteral("no painted data sheet within %1 s\n").arg(RunTimeoutMs / 1000)
                      + QString::fromLocal8Bit(child.readAllStandardError()));
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
    bool ok[3] = {};
    const Sample sample{fields.value(0).toDouble(&ok[0]),
                        fields.value(1).toDouble(&ok[1]) * 1024 / 1e6,
                        fields.value(2).toInt(&ok[2])};
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || fields.size() != 3
        || !ok[0] || !ok[1] || !ok[2])
        return failed(QStringLiteral("the measuring start failed\n")
                      + QString::fromLocal8Bit(child.readAllStandardError()));
    return {sample, {}};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

struct Figures {
    QString name;
    QString path;
    bool empty = false;
    QList<double> ms;
    QList<double> residentMb;
};

int drive(int runs)
{
    VocabularyCache cache(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"));
    Figures files[] = {
        {QStringLiteral("empty"), cache.vocabulary(0).readPath, true, {}, {}},
        {QStringLiteral("100,000 entries"), cache.vocabulary(LargeSize).readPath, false, {}, {}},
    };
    // Run 0 of each file warms the disk cache and the font cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        for (Figures& file : files) {
            const Measurement measurement = measureStart(file.path);
            if (!measurement.sample) {
                std::fprintf(stderr, "%s\n", qPrintable(measurement.failure));
                return 1;
            }
            // A sheet painted without rows shows the 100,000 entries before they were read.
            if ((measurement.sample->rows == 0) != file.empty) {
                std::fprintf(stderr, "%s: the data sheet was painted with %d rows\n",
                             qPrintable(file.path), measurement.sample->rows);
                return 1;
            }
            if (run > 0) {
                file.ms.append(measurement.sample->ms);
                file.residentMb.append(measurement.sample->residentMb);
            }
        }
    }

    std::printf("\nStart until the data sheet is painted, median of %d starts (min-max)\n", runs);
    std::printf("%-18s %20s %14s\n", "vocabulary", "start ms", "resident MB");
    for (const Figures& file : files) {
        const auto [fastest, slowest] = std::minmax_element(file.ms.begin(), file.ms.end());
        std::printf("%-18s %7.1f (%4.0f-%4.0f) %14.1f\n", qPrintable(file.name), median(file.ms),
                    *fastest, *slowest, median(file.residentMb));
    }
    const double startRatio = median(files[1].ms) / median(files[0].ms);
    const double residentMb = median(files[1].residentMb);
    std::printf("%-18s %19.2fx %13.2fx\n", "100,000 / empty", startRatio,
                residentMb / median(files[0].residentMb));
    std::printf("\nTarget start below %.0fx the empty start: %s\n", MaxStartRatio,
                startRatio < MaxStartRatio ? "met" : "MISSED");
    std::printf("Target resident below %.0f MB:         %s\n", MaxResidentMb,
                residentMb < MaxResidentMb ? "met" : "MISSED");
    return 0;
}

} // namespace

} // namespace lexmint::bench

int main(int argc, char* argv[])
{
    using namespace lexmint::bench;
    const QString option = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString value = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (option == u"--measure")
        return measure(argc, argv, value);
    const int runs = option == u"--runs" ? value.toInt() : DefaultRuns;
    if ((argc != 1 && option != u"--runs") || runs < 1) {
        std::fprintf(stderr, "Usage: %s [--runs N] | --measure FILE\n", argv[0]);
        return 2;
    }
    const QCoreApplication app(argc, argv);
    return drive(runs);
}
