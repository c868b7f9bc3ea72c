#include "interchange/VocabularyImporter.h"

#include "store/Database.h"
#include "store/EntryRules.h"
#include "store/EntryWriter.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QHash>

namespace lexmint {

namespace {

constexpr qsizetype ProgressStep = 256;

QString normalized(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C);
}

// One import inside its transaction: the headwords the vocabulary holds and the writes.
class ImportRun {
public:
    ImportRun(Database& db, const Clock& clock, DuplicateRule rule, ImportReport& report)
        : m_db(db), m_writer(db, clock), m_rule(rule), m_report(report)
    {
    }

    // The headwords already there, each to the first entry that has it.
    bool loadHeadwords(StoreError* error)
    {
        if (m_rule == DuplicateRule::Add)
            return true;
        SqlQuery query(m_db, QStringLiteral("SELECT ID, Headword FROM Headwords ORDER BY ID"));
        if (!query.exec({}, error))
            return false;
        while (query.next())
            m_entries.insert(normalized(query.value(1).toString()), query.value(0).toLongLong());
        return true;
    }

    bool store(const ImportedEntry& entry, StoreError* error)
    {
        const auto existing = m_entries.constFind(entry.headword);
        if (m_rule == DuplicateRule::Add || existing == m_entries.cend())
            return add(entry, error);
        if (m_rule == DuplicateRule::Skip) {
            ++m_report.skipped;
            return true;
        }
        return merge(*existing, entry, error);
    }

private:
    bool add(const ImportedEntry& entry, StoreError* error)
    {
        const std::optional<qint64> id = entry.statistics
            ? m_writer.addEntry(entry.headword, entry.lines, *entry.statistics, error)
            : m_writer.addEntry(entry.headword, entry.lines, error);
        if (!id)
            return false;
        m_entries.insert(entry.headword, *id);
        ++m_report.added;
        return true;
    }

    bool merge(qint64 id, const ImportedEntry& entry, StoreError* error)
    {
        const std::optional<QStringList> present = lines(id, error);
        if (!present)
            return false;
        QStringList added;
        for (const QString& line : entry.lines) {
            if (!present->contains(line) && !added.contains(line))
                added.append(line);
        }
        if (added.isEmpty()) {
            ++m_report.skipped;
            return true;
        }
        if (present->size() + added.size() > entryrules::MaxDefinitionLines) {
            m_report.refused.append({entry.line,
                                     QCoreApplication::translate(
                                         "lexmint::VocabularyImporter",
                                         "Merged into the entry \"%1\", its definition would have "
                                         "%2 lines; an entry holds at most %3.")
                                         .arg(entry.headword)
                                         .arg(present->size() + added.size())
                                         .arg(entryrules::MaxDefinitionLines)});
            return true;
        }
        if (!m_writer.appendLines(id, added, error))
            return false;
        ++m_report.merged;
        return true;
    }

    std::optional<QStringList> lines(qint64 id, StoreError* error)
    {
        SqlQuery query(
            m_db, QStringLiteral("SELECT Definition FROM Definitions WHERE ID = ? ORDER BY rowid"));
        if (!query.exec({id}, error))
            return std::nullopt;
        QStringList lines;
        while (query.next())
            lines.append(normalized(query.value(0).toString()));
        return lines;
    }

    Database& m_db;
    EntryWriter m_writer;
    DuplicateRule m_rule;
    ImportReport& m_report;
    QHash<QString, qint64> m_entries;
};

// A page cache large enough to hold what a big import changes, for as long as it lives: a
// transaction whose changes outgrow the cache writes them out early, through the journal.
class LargeCache {
public:
    explicit LargeCache(Database& db) : m_db(db)
    {
        m_previous = SqlQuery::scalar(db, QStringLiteral("PRAGMA cache_size")).value_or(QVariant());
        SqlQuery(db, QStringLiteral("PRAGMA cache_size = -262144")).exec();
    }
    ~LargeCache()
    {
        if (m_previous.isValid())
            SqlQuery(m_db, QStringLiteral("PRAGMA cache_size = %1").arg(m_previous.toLongLong()))
                .exec();
    }
    LargeCache(const LargeCache&) = delete;
    LargeCache& operator=(const LargeCache&) = delete;

private:
    Database& m_db;
    QVariant m_previous;
};

} // namespace

VocabularyImporter::VocabularyImporter(Database& db, const Clock& clock) : m_db(db), m_clock(clock)
{
}

VocabularyImporter::Outcome VocabularyImporter::run(const ImportPlan& plan, DuplicateRule rule,
                                                    ImportReport& report, const Progress& progress,
                                                    StoreError* error)
{
    report = ImportReport();
    const LargeCache cache(m_db);
    if (!m_db.transaction(error))
        return Outcome::Failed;
    const auto abandon = [&](Outcome outcome) {
        m_db.rollback();
        report = ImportReport();
        return outcome;
    };
    // Every write below joins this transaction; any failure takes all of them back.
    ImportRun run(m_db, m_clock, rule, report);
    if (!run.loadHeadwords(error))
        return abandon(Outcome::Failed);
    const qsizetype total = plan.entries.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (progress && i % ProgressStep == 0 && !progress(i, total))
            return abandon(Outcome::Cancelled);
        const ImportedEntry& entry = plan.entries.at(i);
        if (entry.accepted() && !run.store(entry, error))
            return abandon(Outcome::Failed);
    }
    if (!m_db.commit(error)) {
        report = ImportReport();
        return Outcome::Failed;
    }
    report.notes = plan.notes;
    report.refused += plan.refusedRows();
    sortByLine(report.refused);
    if (progress)
        progress(total, total);
    return Outcome::Done;
}

} // namespace lexmint
