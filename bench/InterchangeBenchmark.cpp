// Measures importing a generated 100,000-entry CSV file into an empty vocabulary and exporting
// the vocabulary as CSV again, each beside its floor: the same rows inserted by hand-written
// statements of the engine's C API in one transaction (search keys included), and the same
// rows read by hand-written statements and written out by a plain loop.

#include "FloorEntryWriter.h"
#include "SqliteConnection.h"
#include "SqliteStatement.h"
#include "VocabularyGenerator.h"
#include "interchange/ImportPlan.h"
#include "interchange/VocabularyImporter.h"
#include "interchange/VocabularyReader.h"
#include "interchange/WordListWriter.h"
#include "platform/Clock.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace lexmint::bench {

namespace {

using benchmark::State;

constexpr int EntryCount = 100'000;
constexpr quint32 Seed = 7;
constexpr int HeadwordSize = 50;

// The generated entries, as a CSV file a spreadsheet saves (a column per definition line),
// and a vocabulary that holds them, in a temporary folder that goes with it.
class Material {
public:
    Material() : m_entries(VocabularyGenerator(Seed).entries(EntryCount))
    {
        for (const GeneratedEntry& entry : std::as_const(m_entries))
            m_csv +=
                (QStringList{entry.headword} + entry.lines).join(u',') + QStringLiteral("\r\n");
        m_csvBytes = m_csv.toUtf8();
        m_vocabulary = freshVocabulary(QStringLiteral("export.lxm"));
        Database db;
        ImportReport report;
        const SystemClock clock;
        if (!db.open(m_vocabulary)
            || VocabularyImporter(db, clock).run(plan(), DuplicateRule::Add, report)
                != VocabularyImporter::Outcome::Done)
            qFatal("Cannot make the vocabulary to export");
    }

    ImportPlan plan() const
    {
        return planImport(m_csvBytes, QStringLiteral("words.csv"), ImportSettings(), HeadwordSize);
    }

    QString freshVocabulary(const QString& name) const
    {
        const QString path = m_folder.filePath(name);
        StoreError error;
        if (!Database::copyDatabase(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"), path,
                                    &error, Database::Existing::Replace))
            qFatal("Cannot copy the template: %s", qPrintable(error.description));
        return path;
    }

    QString outputPath() const { return m_folder.filePath(QStringLiteral("out.csv")); }
    const QString& vocabulary() const { return m_vocabulary; }
    const QByteArray& csvBytes() const { return m_csvBytes; }

private:
    QTemporaryDir m_folder;
    QList<GeneratedEntry> m_entries;
    QString m_csv;
    QByteArray m_csvBytes;
    QString m_vocabulary;
};

Material& material()
{
    static Material shared;
    return shared;
}

void importCsv(State& state)
{
    const SystemClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = material().freshVocabulary(QStringLiteral("import.lxm"));
        state.ResumeTiming();
        Database db;
        ImportReport report;
        if (!db.open(path)
            || VocabularyImporter(db, clock).run(material().plan(), DuplicateRule::Merge, report)
                != VocabularyImporter::Outcome::Done
            || !report.refused.isEmpty()) {
            state.SkipWithError("The import failed");
            break;
        }
        state.counters["added"] = report.added;
    }
}

void importCsvFloor(State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = material().freshVocabulary(QStringLiteral("floor.lxm"));
        state.ResumeTiming();
        // The generated file needs no quoting: lines and commas split it.
        QList<GeneratedEntry> rows;
        rows.reserve(EntryCount);
        const QString text = QString::fromUtf8(material().csvBytes());
        for (const QStringView line : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
            QStringList fields;
            for (const QStringView field : line.split(u','))
                fields.append(field.toString());
            const QString headword = fields.takeFirst();
            rows.append({headword, fields});
        }
        const SqliteConnection file(path);
        FloorEntryWriter(file.handle(), SystemClock().today()).addAll(rows);
    }
}

void exportCsv(State& state)
{
    for (auto _ : state) {
        Database db;
        const std::optional<QList<VocabularyEntry>> entries =
            db.openReadOnly(material().vocabulary())
            ? vocabularyreader::read(db, QStringLiteral("All"))
            : std::nullopt;
        if (!entries
            || !wordlistwriter::writeFile(material().outputPath(), *entries, ExportSettings())) {
            state.SkipWithError("The export failed");
            break;
        }
    }
}

void exportCsvFloor(State& state)
{
    for (auto _ : state) {
        const SqliteConnection file(material().vocabulary());
        SqliteStatement rows(
            file.handle(),
            "SELECT h.ID, h.Headword, d.Definition FROM Headwords AS h "
            "JOIN Definitions AS d ON d.ID = h.ID ORDER BY h.SortKey, h.ID, d.rowid");
        QByteArray text = "Headword,Definitions\r\n";
        qint64 entry = 0;
        while (rows.step()) {
            if (rows.integer(0) != entry) {
                if (entry != 0)
                    text += "\"\r\n";
                entry = rows.integer(0);
                text += rows.text(1) + ",\"" + rows.text(2);
            } else {
                text += '\n' + rows.text(2);
            }
        }
        text += "\"\r\n";
        QFile out(material().outputPath());
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
            state.SkipWithError("Writing failed");
            break;
        }
    }
}

void registerBenchmarks()
{
    struct Measured {
        const char* name;
        void (*run)(State&);
    };
    static constexpr Measured Benchmarks[] = {
        {"BM_ImportCsv", importCsv},
        {"BM_ImportCsvFloor", importCsvFloor},
        {"BM_ExportCsv", exportCsv},
        {"BM_ExportCsvFloor", exportCsvFloor},
    };
    for (const auto& [name, run] : Benchmarks) {
        benchmark::RegisterBenchmark(name, run)->Iterations(3)->UseRealTime()->Unit(
            benchmark::kMillisecond);
    }
}

} // namespace

} // namespace lexmint::bench

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const QCoreApplication app(argc, argv);
    lexmint::bench::registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
