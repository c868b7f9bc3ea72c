// Measures the store's operations on generated vocabularies of 1,000 to 100,000 entries, each
// beside its floor: the same reads and writes as hand-written statements of the engine's C API
// on the same file in the same run. BM_<Operation> runs the store, BM_<Operation>Floor the
// hand-written statements; where the first is far above the second, the store does more work
// than the operation needs.

#include "FloorEntryWriter.h"
#include "RecordingMessageService.h"
#include "SqliteConnection.h"
#include "SqliteStatement.h"
#include "VocabularyCache.h"
#include "VocabularyGenerator.h"
#include "drill/TestRun.h"
#include "platform/Clock.h"
#include "schedule/ReviewSchedule.h"
#include "store/AnswerLog.h"
#include "store/EntryWriter.h"
#include "store/FileSoundness.h"
#include "store/LinePositions.h"
#include "store/TextKeys.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace lexmint::bench {

namespace {

using benchmark::State;

constexpr int FirstRows = 40;
constexpr const char* FirstRowsSql =
    "SELECT h.Headword, d.Definition, h.ID FROM Headwords AS h "
    "CROSS JOIN Definitions AS d ON d.ID = h.ID WHERE h.SortKey IS NOT NULL "
    "ORDER BY h.SortKey, h.ID, d.rowid LIMIT 40";

// Quick-find steps as a user types them: two and three letters, some accented or capitalised.
const QStringList QuickFindPrefixes{
    QStringLiteral("st"),  QStringLiteral("ca"), QStringLiteral("Re"), QStringLiteral("tra"),
    QStringLiteral("ma"),  QStringLiteral("ét"), QStringLiteral("de"), QStringLiteral("Sch"),
    QStringLiteral("ño"),  QStringLiteral("pa"), QStringLiteral("ün"), QStringLiteral("Li"),
    QStringLiteral("ter"), QStringLiteral("ço"), QStringLiteral("ha"), QStringLiteral("en"),
};

// The entries that the write benchmarks save, apart from the vocabulary's own.
constexpr quint32 EditSeed = 2;
constexpr int EditedEntries = 256;

// Visits the indexes of a list of `size` in a scattered but fixed order, so that successive
// iterations touch different parts of the file, as a user's successive actions do.
class Scatter {
public:
    explicit Scatter(qsizetype size) : m_size(size) {}
    qsizetype next() { return m_index = (m_index + Stride) % m_size; }

private:
    static constexpr qsizetype Stride = 7919; // a prime, so that every index comes round
    qsizetype m_size;
    qsizetype m_index = 0;
};

// Marks the benchmark failed unless `ok`, and returns `ok`. A failed benchmark shows no figures.
bool succeeded(State& state, bool ok, const char* what)
{
    if (!ok && !state.error_occurred())
        state.SkipWithError(what);
    return ok;
}

// Opens a vocabulary as the program does: recognised and prepared, bound to the data
// sources, and the first rows of the data sheet read.
bool openAsProgram(VocabularySources& sources, const QString& path, MessageService& messages)
{
    VocabInfo info;
    return vocabularyfile::inspect(path, info, VocabInfo(), messages) && sources.attach(path)
        && sources.vocabulary().rows(0, FirstRows).size() == FirstRows;
}

// The store's side of a benchmark. Anything the store tells the user fails the benchmark:
// the store then left its normal path.
class StoreSession {
public:
    explicit StoreSession(State& state) : m_state(state) {}
    StoreSession(State& state, const QString& path) : m_state(state)
    {
        succeeded(state, openAsProgram(m_sources, path, m_messages),
                  "Opening the vocabulary failed");
    }
    ~StoreSession()
    {
        if (!m_messages.shown().isEmpty())
            succeeded(m_state, false, qPrintable(m_messages.shown().constFirst()));
    }
    StoreSession(const StoreSession&) = delete;
    StoreSession& operator=(const StoreSession&) = delete;

    MessageService& messages() { return m_messages; }
    VocabularySources& sources() { return m_sources; }
    Database& database() { return *m_sources.database(); }

private:
    State& m_state;
    RecordingMessageService m_messages;
    VocabularySources m_sources;
};

// Removes, when it goes, the entries added to a file while it existed, so that every run of a
// saving benchmark starts from the vocabulary's own size.
class AddedEntriesRemoval {
public:
    explicit AddedEntriesRemoval(QString path) : m_path(std::move(path))
    {
        const SqliteConnection file(m_path);
        SqliteStatement last(file.handle(), "SELECT max(ID) FROM Headwords");
        last.bind().step();
        m_lastId = last.integer(0);
    }
    ~AddedEntriesRemoval()
    {
        const SqliteConnection file(m_path);
        SqliteStatement(file.handle(), "DELETE FROM Headwords WHERE ID > ?").bind(m_lastId).run();
    }
    AddedEntriesRemoval(const AddedEntriesRemoval&) = delete;
    AddedEntriesRemoval& operator=(const AddedEntriesRemoval&) = delete;

private:
    QString m_path;
    qint64 m_lastId = 0;
};

// Saves one edited entry per iteration through `add(entry)`, which tells whether it succeeded.
template <typename Add>
void saveEntries(State& state, BenchVocabulary& vocabulary, Add add)
{
    const AddedEntriesRemoval removal(vocabulary.writePath);
    const QList<GeneratedEntry> entries = VocabularyGenerator(EditSeed).entries(EditedEntries);
    Scatter order(entries.size());
    for (auto _ : state) {
        if (!succeeded(state, add(entries.at(order.next())), "Saving an entry failed"))
            break;
    }
}

// Replaces one entry of the write copy per iteration through `replace(oldId, entry)`, which
// returns the new ID or nothing on failure. The number of entries stays the same.
template <typename Replace>
void replaceEntries(State& state, BenchVocabulary& vocabulary, Replace replace)
{
    const QList<GeneratedEntry> entries = VocabularyGenerator(EditSeed).entries(EditedEntries);
    Scatter order(entries.size());
    Scatter places(vocabulary.replaceableIds.size());
    for (auto _ : state) {
        qint64& id = vocabulary.replaceableIds[places.next()];
        const std::optional<qint64> newId = replace(id, entries.at(order.next()));
        if (!succeeded(state, newId.has_value(), "Replacing an entry failed"))
            break;
        id = *newId;
    }
}

void reportFound(State& state, int found)
{
    // The share of steps that found an entry, to compare the store with its floor.
    state.counters["found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}

void openFirstRows(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state);
    for (auto _ : state) {
        VocabularySources sources;
        if (!succeeded(state, openAsProgram(sources, vocabulary.readPath, session.messages()),
                       "Opening the vocabulary failed"))
            break;
    }
}

void openFirstRowsFloor(State& state, BenchVocabulary& vocabulary)
{
    for (auto _ : state) {
        {
            // Recognising the file: its queries, its columns, its length and triggers, its
            // options and missing keys.
            const SqliteConnection file(vocabulary.readPath);
            SqliteStatement(file.handle(),
                            "SELECT name FROM sqlite_schema WHERE type = 'view' ORDER BY rowid")
                .run();
            SqliteStatement(file.handle(), "SELECT name, type FROM pragma_table_info('Headwords')")
                .run();
            SqliteStatement(file.handle(), "PRAGMA page_size").run();
            SqliteStatement(file.handle(),
                            "SELECT name, sql FROM sqlite_schema WHERE type = 'trigger'")
                .run();
            SqliteStatement property(file.handle(), "SELECT Value FROM Properties WHERE Name = ?");
            for (const char* name : {"UserFlags", "UserKeybH", "UserKeybD"})
                property.bind(name).run();
            SqliteStatement(file.handle(), "SELECT count(*) FROM Headwords WHERE SortKey IS NULL")
                .run();
        }
        const SqliteConnection file(vocabulary.readPath);
        if (!succeeded(state, SqliteStatement(file.handle(), FirstRowsSql).run() == FirstRows,
                       "Reading the first rows failed"))
            break;
    }
}

void countEntries(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    int count = 0;
    for (auto _ : state)
        count = session.sources().headwords().recordCount();
    succeeded(state, count == vocabulary.size, "Wrong count");
}

void countEntriesFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.readPath);
    SqliteStatement count(file.handle(), "SELECT count(*) FROM Headwords");
    qint64 entries = 0;
    for (auto _ : state) {
        count.bind().step();
        entries = count.integer(0);
        count.reset();
    }
    succeeded(state, entries == vocabulary.size, "Wrong count");
}

template <bool WithPosition>
void quickFind(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    DataSource& sheet = session.sources().vocabulary();
    Scatter prefixes(QuickFindPrefixes.size());
    int found = 0;
    for (auto _ : state) {
        const QString& prefix = QuickFindPrefixes.at(prefixes.next());
        if (sheet.findFirst(QStringLiteral("Headword LIKE \"") + prefix + QStringLiteral("*\""))) {
            ++found;
            if constexpr (WithPosition)
                benchmark::DoNotOptimize(sheet.absolutePosition());
        }
    }
    reportFound(state, found);
}

template <bool WithPosition>
void quickFindFloor(State& state, BenchVocabulary& vocabulary)
{
    enum Column { SortKeyColumn = 3, IdColumn };
    const SqliteConnection file(vocabulary.readPath);
    // The first match in dictionary order: an indexed range over the sort keys of the
    // prefix's base letters, then the pattern over the fold keys.
    SqliteStatement first(file.handle(),
                          "SELECT h.Headword, d.Definition, h.ID, h.SortKey FROM Headwords AS h "
                          "CROSS JOIN Definitions AS d ON d.ID = h.ID "
                          "WHERE h.SortKey >= ? AND h.SortKey < ? AND h.FoldKey GLOB ? "
                          "ORDER BY h.SortKey, h.ID, d.rowid LIMIT 1");
    SqliteStatement position(file.handle(),
                             "SELECT total(Lines) FROM Headwords WHERE (SortKey, ID) < (?, ?)");
    Scatter prefixes(QuickFindPrefixes.size());
    int found = 0;
    for (auto _ : state) {
        const QString& prefix = QuickFindPrefixes.at(prefixes.next());
        const std::optional<textkeys::KeyRange> range = textkeys::prefixRange(prefix);
        if (range && first.bind(range->low, range->high, textkeys::foldKey(prefix) + u'*').step()) {
            ++found;
            if constexpr (WithPosition)
                position.bind(first.value(SortKeyColumn), first.value(IdColumn)).run();
        }
        first.reset();
    }
    reportFound(state, found);
}

void getDefinitions(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    Scatter entries(vocabulary.ids.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(vocabularyfile::getDefinitions(session.sources().definitions(),
                                                                vocabulary.ids.at(entries.next()),
                                                                session.messages()));
    }
}

void getDefinitionsFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.readPath);
    SqliteStatement lines(file.handle(),
                          "SELECT Definition FROM Definitions WHERE ID = ? ORDER BY rowid");
    Scatter entries(vocabulary.ids.size());
    for (auto _ : state) {
        if (!succeeded(state, lines.bind(vocabulary.ids.at(entries.next())).run() > 0,
                       "An entry without lines"))
            break;
    }
}

void saveEntry(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.writePath);
    const SystemClock clock;
    saveEntries(state, vocabulary, [&](const GeneratedEntry& entry) {
        return EntryWriter(session.database(), clock)
            .addEntry(entry.headword, entry.lines)
            .has_value();
    });
}

void saveEntryFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.writePath);
    FloorEntryWriter writer(file.handle(), SystemClock().today());
    saveEntries(state, vocabulary, [&](const GeneratedEntry& entry) {
        writer.add(entry);
        return true;
    });
}

void replaceEntry(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.writePath);
    const SystemClock clock;
    replaceEntries(
        state, vocabulary, [&](qint64 oldId, const GeneratedEntry& entry) -> std::optional<qint64> {
            const auto replacement = EntryWriter(session.database(), clock)
                                         .replaceEntry(oldId, entry.headword, entry.lines);
            if (!replacement || replacement->previousMissing)
                return std::nullopt;
            return replacement->newId;
        });
}

void replaceEntryFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.writePath);
    FloorEntryWriter writer(file.handle(), SystemClock().today());
    replaceEntries(state, vocabulary,
                   [&](qint64 oldId, const GeneratedEntry& entry) -> std::optional<qint64> {
                       return writer.replace(oldId, entry);
                   });
}

void writeAnswer(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.writePath);
    DataSource& drill = session.sources().testWords();
    drill.setRecordSource(QStringLiteral("All"));
    succeeded(state, drill.refresh(), "Reading the test mode failed");
    const QDate today = SystemClock().today();
    for (auto _ : state) {
        const int tested = drill.value(QStringLiteral("Tested")).toInt();
        const int correct = drill.value(QStringLiteral("Correct")).toInt();
        drill.edit();
        drill.setValue(QStringLiteral("LastTestedOn"), today);
        drill.setValue(QStringLiteral("Tested"), tested + 1);
        drill.setValue(QStringLiteral("Correct"), correct + 1);
        drill.setValue(QStringLiteral("LastOK"), 1);
        if (!succeeded(state, drill.update(), "Writing an answer failed"))
            break;
        if (!drill.moveNext())
            drill.moveFirst();
    }
}

void writeAnswerFloor(State& state, BenchVocabulary& vocabulary)
{
    enum Column { TestedColumn = 1, CorrectColumn };
    const SqliteConnection file(vocabulary.writePath);
    QList<qint64> ids;
    SqliteStatement all(file.handle(), "SELECT ID FROM \"All\"");
    while (all.step())
        ids.append(all.integer(0));
    // The entry asked next is read as it is shown, its answer written by its ID.
    SqliteStatement read(file.handle(),
                         "SELECT Headword, Tested, Correct FROM Headwords WHERE ID = ?");
    SqliteStatement write(file.handle(),
                          "UPDATE Headwords SET LastTestedOn = ?, Tested = ?, "
                          "Correct = ?, LastOK = ? WHERE ID = ?");
    const QString today = SystemClock().today().toString(Qt::ISODate);
    qsizetype current = 0;
    for (auto _ : state) {
        read.bind(ids.at(current)).step();
        const qint64 tested = read.integer(TestedColumn);
        const qint64 correct = read.integer(CorrectColumn);
        read.reset();
        write.bind(today, tested + 1, correct + 1, 1, ids.at(current)).run();
        current = (current + 1) % ids.size();
    }
}

// Every sixth answer is wrong, as in the generated vocabularies.
bool rightAnswer(qint64 count)
{
    return count % 6 != 5;
}

void recordAnswer(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.writePath);
    const SystemClock clock;
    TestRun run(session.sources().testWords(), AnswerJudge(AnswerJudge::LetterCase::Ignored),
                session.messages(), clock);
    if (!succeeded(state, run.start(QStringLiteral("All")), "Reading the test mode failed"))
        return;
    qint64 answered = 0;
    for (auto _ : state) {
        const QString headword = run.current().headword;
        run.answer(rightAnswer(answered++) ? headword : headword + u'!');
        run.next();
        if (run.hasEnded()) {
            state.PauseTiming();
            run.start(QStringLiteral("All"));
            state.ResumeTiming();
        }
    }
}

void recordAnswerFloor(State& state, BenchVocabulary& vocabulary)
{
    enum Column { Tested, Correct, Stability, Difficulty, LearningState, LearningStep, LastMoment };
    const SqliteConnection file(vocabulary.writePath);
    QList<qint64> ids;
    SqliteStatement all(file.handle(), "SELECT ID FROM \"All\"");
    while (all.step())
        ids.append(all.integer(0));
    SqliteStatement begin(file.handle(), "BEGIN");
    SqliteStatement commit(file.handle(), "COMMIT");
    SqliteStatement read(file.handle(),
                         "SELECT Tested, Correct, Stability, Difficulty, LearningState, "
                         "LearningStep, (SELECT max(Moment) FROM Answers WHERE Entry = h.ID) "
                         "FROM Headwords AS h WHERE ID = ?");
    SqliteStatement write(file.handle(),
                          "UPDATE Headwords SET LastTestedOn = ?, Tested = ?, Correct = ?, "
                          "LastOK = ?, Stability = ?, Difficulty = ?, DueOn = ?, "
                          "LearningState = ?, LearningStep = ? WHERE ID = ?");
    SqliteStatement insert(file.handle(),
                           "INSERT INTO Answers (Entry, Moment, WasRight, "
                           "Duration, Stability) VALUES (?, ?, ?, ?, ?)");
    const SystemClock clock;
    schedule::LocalCalendar calendar;
    qsizetype current = 0;
    for (auto _ : state) {
        const qint64 id = ids.at(current);
        const QDateTime now = clock.now();
        const bool right = rightAnswer(current);
        begin.bind().run();
        read.bind(id).step();
        fsrs::MemoryState memory;
        if (!read.isNull(Stability))
            memory = {fsrs::LearningState(read.integer(LearningState)),
                      int(read.integer(LearningStep)), read.real(Stability), read.real(Difficulty)};
        const std::optional<QDateTime> previous = read.isNull(LastMoment)
            ? std::nullopt
            : std::optional(QDateTime::fromMSecsSinceEpoch(read.integer(LastMoment), Qt::UTC));
        const schedule::ScheduledMemory after =
            schedule::answerReview(memory, previous, {now, right, 2000}, calendar);
        write
            .bind(clock.today().toString(Qt::ISODate), read.integer(Tested) + 1,
                  read.integer(Correct) + (right ? 1 : 0), qint64(right ? 1 : 0),
                  after.memory.stability, after.memory.difficulty,
                  after.dueOn.toString(Qt::ISODate), qint64(after.memory.state),
                  qint64(after.memory.step), id)
            .run();
        read.reset();
        insert
            .bind(id, now.toMSecsSinceEpoch(), qint64(right ? 1 : 0), qint64(2000),
                  after.memory.stability)
            .run();
        commit.bind().run();
        current = (current + 1) % ids.size();
    }
}

// Computes every memory state of the write copy afresh, as for a file whose answers were all
// added by another tool.
void recomputeStates(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.writePath);
    for (auto _ : state) {
        state.PauseTiming();
        SqliteStatement(session.database().handle(), "UPDATE Answers SET Stability = NULL").run();
        state.ResumeTiming();
        if (!succeeded(state, AnswerLog(session.database()).rebuildStaleStates(),
                       "Computing the memory states failed"))
            break;
    }
}

void checkTestModes(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    Database& db = session.database();
    int withRows = 0;
    for (auto _ : state) {
        const std::optional<QStringList> names = db.queryNames();
        if (!succeeded(state, names.has_value(), "Reading the test modes failed"))
            break;
        withRows = 0;
        for (const QString& name : *names)
            withRows += name != QLatin1String("Vocabulary")
                && vocabularyfile::queryHasRows(db, name, session.messages());
    }
    state.counters["withRows"] = withRows;
}

void checkTestModesFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.readPath);
    std::vector<SqliteStatement> modes;
    SqliteStatement names(file.handle(),
                          "SELECT '\"' || replace(name, '\"', '\"\"') || '\"' "
                          "FROM sqlite_schema WHERE type = 'view' "
                          "AND name <> 'Vocabulary' ORDER BY rowid");
    while (names.step()) {
        modes.emplace_back(file.handle(), "SELECT EXISTS (SELECT 1 FROM " + names.text(0) + ")");
    }
    int withRows = 0;
    for (auto _ : state) {
        withRows = 0;
        for (SqliteStatement& mode : modes) {
            mode.bind().step();
            withRows += static_cast<int>(mode.integer(0));
            mode.reset();
        }
    }
    state.counters["withRows"] = withRows;
}

// What opening a writable vocabulary checks: whether the file was cut short, its triggers and
// its stored line counts.
void checkAtOpen(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    const Database& db = session.database();
    for (auto _ : state) {
        if (!succeeded(state,
                       !filesoundness::checkAtOpen(db)
                           && LinePositions::checkStoredCounts(db).trusted,
                       "The vocabulary was found unsafe"))
            break;
    }
}

void checkAtOpenFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.readPath);
    for (auto _ : state) {
        SqliteStatement(file.handle(), "PRAGMA page_size").run();
        SqliteStatement(file.handle(), "SELECT name, sql FROM sqlite_schema WHERE type = 'trigger'")
            .run();
        SqliteStatement(file.handle(), "SELECT total(Lines), min(Lines) FROM Headwords").run();
    }
}

// What a session checks once, before its first write: the whole file.
void checkBeforeFirstWrite(State& state, BenchVocabulary& vocabulary)
{
    StoreSession session(state, vocabulary.readPath);
    const Database& db = session.database();
    for (auto _ : state) {
        if (!succeeded(state, !filesoundness::isDamaged(db), "The vocabulary was found damaged"))
            break;
    }
}

void checkBeforeFirstWriteFloor(State& state, BenchVocabulary& vocabulary)
{
    const SqliteConnection file(vocabulary.readPath);
    for (auto _ : state)
        SqliteStatement(file.handle(), "PRAGMA quick_check(1)").run();
}

using Benchmark = void (*)(State&, BenchVocabulary&);

struct Operation {
    const char* name;
    Benchmark store;
    Benchmark floor;
};

const Operation Operations[] = {
    {"OpenFirstRows", openFirstRows, openFirstRowsFloor},
    {"CountEntries", countEntries, countEntriesFloor},
    {"QuickFind", quickFind<false>, quickFindFloor<false>},
    {"QuickFindPosition", quickFind<true>, quickFindFloor<true>},
    {"GetDefinitions", getDefinitions, getDefinitionsFloor},
    {"SaveEntry", saveEntry, saveEntryFloor},
    {"ReplaceEntry", replaceEntry, replaceEntryFloor},
    {"WriteAnswer", writeAnswer, writeAnswerFloor},
    {"RecordAnswer", recordAnswer, recordAnswerFloor},
    {"CheckTestModes", checkTestModes, checkTestModesFloor},
    {"CheckAtOpen", checkAtOpen, checkAtOpenFloor},
    {"CheckBeforeFirstWrite", checkBeforeFirstWrite, checkBeforeFirstWriteFloor},
};

constexpr int Sizes[] = {1'000, 10'000, 100'000};

// Registers each operation at each size, the store and its floor side by side.
void registerBenchmarks(VocabularyCache& cache)
{
    for (const Operation& operation : Operations) {
        for (const int size : Sizes) {
            for (const auto& [suffix, run] :
                 {std::pair{"", operation.store}, std::pair{"Floor", operation.floor}}) {
                benchmark::RegisterBenchmark(
                    (std::string("BM_") + operation.name + suffix).c_str(),
                    [&cache, run = run](State& state) {
                        run(state, cache.vocabulary(static_cast<int>(state.range(0))));
                    })
                    ->Arg(size)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    benchmark::RegisterBenchmark(
        "BM_RecomputeStates",
        [&cache](State& state) { recomputeStates(state, cache.vocabulary(Sizes[2])); })
        ->Arg(Sizes[2])
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

} // namespace lexmint::bench

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The store works through Qt's SQL module, which needs an application object.
    const QCoreApplication app(argc, argv);
    lexmint::bench::VocabularyCache cache(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"));
    lexmint::bench::registerBenchmarks(cache);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
