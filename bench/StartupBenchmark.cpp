// Measures the program's start on a vocabulary of 100,000 entries beside its start on an empty
// one: the time from the start of the process until the data sheet is first painted, and the
// memory the process then holds.
//
// Run without arguments (or with --runs N), it generates both vocabularies and starts itself
// with --measure <file> N times per file, the files taking turns, after one uncounted start
// each. Every start is headless (offscreen platform) and gets fresh per-user settings in which
// the welcome of a first run is already done.
//
// With --measure <file> it starts the program as main.cpp does, on that file, and once the
// data sheet's first paint is done prints "<ms> <resident kB> <CPU ms> <rows>" and quits.
// <ms> counts from the process start that the kernel recorded, so loading the libraries is
// included; the kernel keeps that moment in 10 ms ticks, which makes each figure 0 to 10 ms
// too high, alike for both files. <CPU ms> is the processor time of all threads until then,
// which other work on the machine disturbs less than <ms>. <rows> is the model's row count.
//
// The program shows the data sheet only with a vocabulary open, and fills the model before it
// shows the sheet; its first paint shows the first rows, or for the empty vocabulary the
// column headers over no rows, which is then the ready vocabulary the user sees.

#include "VocabularyCache.h"
#include "app/Application.h"
#include "app/VocabGrid.h"
#include "platform/AppIdentity.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace lexmint::bench {

namespace {

constexpr int DefaultRuns = 5;
constexpr int LargeSize = 100'000;
constexpr int RunTimeoutMs = 60'000;
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

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Reports the figures once the first paint of the data sheet is done, and ends the program.
// A dialog coming up instead, such as a refused file's message, ends the program at once: it
// would wait for an answer that never comes.
class FirstSheetPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) {
            const auto* box = qobject_cast<QMessageBox*>(watched);
            std::fprintf(stderr, "A dialog came up at the start: %s\n",
                         qPrintable(box ? box->text() : watched->objectName()));
            std::_Exit(1);
        }
        if (m_seen || event->type() != QEvent::Paint)
            return false;
        const auto* grid = qobject_cast<VocabGrid*>(watched->parent());
        if (!grid || watched != grid->viewport())
            return false;
        m_seen = true;
        QMetaObject::invokeMethod(
            this,
            [rows = grid->model()->rowCount()] {
                std::printf("%.1f %lld %.1f %d\n", msSinceProcessStart(), residentKb(), cpuMs(),
                            rows);
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
    Application program({QFile::encodeName(path)});
    program.start();
    return QApplication::exec();
}

// --- The driver ---------------------------------------------------------------------------

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    double residentMb = 0;
    int rows = 0;
};

// Starts the program on `path` in a child process and reads its figures; nothing, with the
// reason in `failure`, when it did not report them.
std::optional<Sample> measureStart(const QString& path, QString* failure)
{
    const QTemporaryDir config;
    QFile settings(
        config.filePath(organizationName() + u'/' + applicationTitle() + QStringLiteral(".conf")));
    if (!config.isValid() || !QDir().mkpath(config.filePath(organizationName()))
        || !settings.open(QIODevice::WriteOnly)
        || settings.write("[Settings]\nMainWinState=0\n") < 0) {
        *failure = QStringLiteral("Cannot write the settings of a start");
        return std::nullopt;
    }
    settings.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), path});
    if (!child.waitForFinished(RunTimeoutMs))
        child.kill();
    child.waitForFinished();

    QList<double> values;
    bool ok = true;
    for (const QByteArray& field : child.readAllStandardOutput().simplified().split(' ')) {
        values.append(field.toDouble(&ok));
        if (!ok)
            break;
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || !ok
        || values.size() != 4) {
        *failure = QStringLiteral("The start on %1 reported no figures within %2 s\n%3")
                       .arg(path)
                       .arg(RunTimeoutMs / 1000)
                       .arg(QString::fromLocal8Bit(child.readAllStandardError()));
        return std::nullopt;
    }
    return Sample{values.at(0), values.at(2), values.at(1) * 1024 / 1e6, int(values.at(3))};
}

double median(const QList<Sample>& samples, double Sample::*figure)
{
    QList<double> values;
    for (const Sample& sample : samples)
        values.append(sample.*figure);
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

struct Vocabulary {
    const char* name;
    QString path;
    bool empty = false;
    QList<Sample> samples;
};

void printTable(const Vocabulary& empty, const Vocabulary& large, int runs)
{
    std::printf("\nStart until the data sheet is painted, median of %d starts\n", runs);
    std::printf("%-16s %9s %11s %8s %12s\n", "vocabulary", "start ms", "(min-max)", "CPU ms",
                "resident MB");
    for (const Vocabulary* vocabulary : {&empty, &large}) {
        const auto [fastest, slowest] =
            std::minmax_element(vocabulary->samples.begin(), vocabulary->samples.end(),
                                [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
        std::printf(
            "%-16s %9.1f %11s %8.1f %12.1f\n", vocabulary->name,
            median(vocabulary->samples, &Sample::ms),
            qPrintable(
                QStringLiteral("(%1-%2)").arg(fastest->ms, 0, 'f', 0).arg(slowest->ms, 0, 'f', 0)),
            median(vocabulary->samples, &Sample::cpuMs),
            median(vocabulary->samples, &Sample::residentMb));
    }
    const auto ratio = [&](double Sample::*figure) {
        return median(large.samples, figure) / median(empty.samples, figure);
    };
    std::printf("%-16s %8.2fx %11s %7.2fx %11.2fx\n", "100,000 / empty", ratio(&Sample::ms), "",
                ratio(&Sample::cpuMs), ratio(&Sample::residentMb));
    std::printf("\nTarget: start below %.0fx the empty start   %s\n", MaxStartRatio,
                ratio(&Sample::ms) < MaxStartRatio ? "met" : "MISSED");
    std::printf("Target: resident below %.0f MB             %s\n", MaxResidentMb,
                median(large.samples, &Sample::residentMb) < MaxResidentMb ? "met" : "MISSED");
}

int drive(int runs)
{
    VocabularyCache cache(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"));
    Vocabulary empty{"empty", cache.vocabulary(0).readPath, true, {}};
    Vocabulary large{"100,000 entries", cache.vocabulary(LargeSize).readPath, false, {}};
    // Start 0 of each file fills the disk cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        for (Vocabulary* vocabulary : {&empty, &large}) {
            QString failure;
            const std::optional<Sample> sample = measureStart(vocabulary->path, &failure);
            // A sheet painted without rows would show the entries before they were read.
            if (sample && (sample->rows == 0) != vocabulary->empty)
                failure = QStringLiteral("The data sheet of %1 was painted with %2 rows")
                              .arg(vocabulary->path)
                              .arg(sample->rows);
            if (!failure.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(failure));
                return 1;
            }
            if (run > 0)
                vocabulary->samples.append(*sample);
        }
    }
    printTable(empty, large, runs);
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
