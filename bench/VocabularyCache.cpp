#include "VocabularyCache.h"

#include "RecordingMessageService.h"
#include "SqliteStatement.h"
#include "VocabularyGenerator.h"
#include "platform/Clock.h"
#include "store/AnswerLog.h"
#include "store/Database.h"
#include "store/EntryWriter.h"
#include "store/VocabularyFile.h"

#include <QElapsedTimer>

namespace lexmint::bench {

namespace {

constexpr quint32 VocabularySeed = 1;

[[noreturn]] void failGenerating(const QString& path, const QString& why)
{
    qFatal("Cannot generate %s: %s", qPrintable(path), qPrintable(why));
}

// Gives the entries the statistics of a year of drilling, so that the test modes select
// realistic shares of them.
void addStatistics(Database& db, const QList<qint64>& ids, VocabularyGenerator& generator,
                   QDate today)
{
    SqliteStatement(db.handle(), "BEGIN").run();
    SqliteStatement update(db.handle(),
                           "UPDATE Headwords SET LastTestedOn = ?, Tested = ?, Correct = ?, "
                           "LastOK = ? WHERE ID = ?");
    for (const qint64 id : ids) {
        if (const auto statistics = generator.nextStatistics(today))
            update
                .bind(statistics->lastTestedOn.toString(Qt::ISODate), statistics->tested,
                      statistics->correct, statistics->lastOk, id)
                .run();
    }
    SqliteStatement(db.handle(), "COMMIT").run();
}

// Gives the entries the answers of two years of drilling, about ten each, and the memory states
// that follow from them.
void addAnswers(Database& db, const QList<qint64>& ids, VocabularyGenerator& generator,
                const QDateTime& now)
{
    SqliteStatement(db.handle(), "BEGIN").run();
    SqliteStatement insert(db.handle(),
                           "INSERT INTO Answers (Entry, Moment, WasRight, Duration) "
                           "VALUES (?, ?, ?, ?)");
    for (const qint64 id : ids) {
        for (const GeneratedAnswer& answer : generator.nextAnswers(now))
            insert.bind(id, answer.momentMs, qint64(answer.right), answer.durationMs).run();
    }
    SqliteStatement(db.handle(), "COMMIT").run();
    StoreError error;
    if (!AnswerLog(db).rebuildStaleStates({}, &error))
        failGenerating(db.path(), error.description);
}

} // namespace

VocabularyCache::VocabularyCache(QString templatePath) : m_templatePath(std::move(templatePath))
{
    if (!m_folder.isValid())
        qFatal("Cannot create a temporary folder: %s", qPrintable(m_folder.errorString()));
}

BenchVocabulary& VocabularyCache::vocabulary(int size)
{
    auto found = m_vocabularies.find(size);
    if (found == m_vocabularies.end())
        found = m_vocabularies.emplace(size, generate(size)).first;
    return found->second;
}

BenchVocabulary VocabularyCache::generate(int size) const
{
    QElapsedTimer timer;
    timer.start();
    BenchVocabulary vocabulary;
    vocabulary.size = size;
    vocabulary.readPath = m_folder.filePath(QStringLiteral("read-%1.lxm").arg(size));
    vocabulary.writePath = m_folder.filePath(QStringLiteral("write-%1.lxm").arg(size));

    StoreError error;
    if (!Database::copyDatabase(m_templatePath, vocabulary.readPath, &error))
        failGenerating(vocabulary.readPath, error.description);
    {
        Database db;
        if (!db.open(vocabulary.readPath, &error))
            failGenerating(vocabulary.readPath, error.description);
        // A file that is thrown away on any failure needs neither waiting for the disk nor a
        // journal file per entry; both settings end with this connection.
        SqliteStatement(db.handle(), "PRAGMA synchronous = OFF").run();
        SqliteStatement(db.handle(), "PRAGMA journal_mode = MEMORY").run();
        const SystemClock clock;
        EntryWriter writer(db, clock);
        VocabularyGenerator generator(VocabularySeed);
        vocabulary.ids.reserve(size);
        for (int i = 0; i < size; ++i) {
            const GeneratedEntry entry = generator.nextEntry();
            const std::optional<qint64> id = writer.addEntry(entry.headword, entry.lines, &error);
            if (!id)
                failGenerating(vocabulary.readPath, error.description);
            vocabulary.ids.append(*id);
        }
        addStatistics(db, vocabulary.ids, generator, clock.today());
        addAnswers(db, vocabulary.ids, generator, clock.now());
    }
    // Opened once by the program, the file holds its stored options, as users' files do.
    RecordingMessageService messages;
    VocabInfo info;
    if (!vocabularyfile::inspect(vocabulary.readPath, info, VocabInfo(), messages, &error)
        || !messages.shown().isEmpty())
        failGenerating(vocabulary.readPath, error.description + messages.shown().join(u' '));
    if (!Database::copyDatabase(vocabulary.readPath, vocabulary.writePath, &error))
        failGenerating(vocabulary.writePath, error.description);
    vocabulary.replaceableIds = vocabulary.ids;
    qInfo("Generated a vocabulary of %d entries in %.1f s", size, timer.elapsed() / 1000.0);
    return vocabulary;
}

} // namespace lexmint::bench
