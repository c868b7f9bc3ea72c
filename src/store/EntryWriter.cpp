#include "EntryWriter.h"

#include "platform/Clock.h"
#include "store/AnswerLog.h"
#include "store/Database.h"
#include "store/EntryRules.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>

#include <algorithm>

namespace lexmint {

namespace {

// What an edited entry keeps of the entry it replaces: its statistics and its memory state.
const QStringList KeptColumns =
    QStringList{QStringLiteral("LastTestedOn"), QStringLiteral("Tested"), QStringLiteral("Correct"),
                QStringLiteral("LastOK")}
    + AnswerLog::memoryColumns();

bool failLineCount(StoreError* error)
{
    return fail(error, StoreError::Kind::InvalidValue,
                QCoreApplication::translate("lexmint::EntryWriter",
                                            "An entry has from 1 to %1 definition lines.")
                    .arg(entryrules::MaxDefinitionLines));
}

} // namespace

EntryWriter::EntryWriter(Database& db, const Clock& clock)
    : m_db(db), m_today(clock.today()), m_writer(db)
{
}

std::optional<qint64> EntryWriter::writeEntry(const QString& headword, const QStringList& lines,
                                              const EntryStatistics* statistics, StoreError* error)
{
    if (lines.isEmpty() || lines.size() > entryrules::MaxDefinitionLines) {
        failLineCount(error);
        return std::nullopt;
    }
    const std::optional<qint64> id = m_writer.insertEntry(headword, m_today, statistics, error);
    if (!id || !writeLines(*id, lines, error))
        return std::nullopt;
    return id;
}

bool EntryWriter::writeLines(qint64 id, const QStringList& lines, StoreError* error)
{
    return std::all_of(lines.cbegin(), lines.cend(),
                       [&](const QString& line) { return m_writer.insertLine(id, line, error); });
}

std::optional<qint64> EntryWriter::addEntry(const QString& headword, const QStringList& lines,
                                            StoreError* error)
{
    return inTransaction(m_db, error, [&] { return writeEntry(headword, lines, nullptr, error); });
}

std::optional<qint64> EntryWriter::addEntry(const QString& headword, const QStringList& lines,
                                            const EntryStatistics& statistics, StoreError* error)
{
    return inTransaction(m_db, error,
                         [&] { return writeEntry(headword, lines, &statistics, error); });
}

bool EntryWriter::appendLines(qint64 id, const QStringList& lines, StoreError* error)
{
    return inTransaction(m_db, error, [&] {
        SqlQuery entry(m_db,
                       QStringLiteral("SELECT count(*), (SELECT count(*) FROM Definitions AS d "
                                      "WHERE d.ID = h.ID) FROM Headwords AS h WHERE h.ID = ?"));
        if (!entry.exec({id}, error) || !entry.next())
            return false;
        const bool exists = entry.value(0).toInt() > 0;
        const int lineCount = entry.value(1).toInt();
        entry.finish();
        if (!exists)
            return fail(error, StoreError::Kind::RowMissing,
                        QCoreApplication::translate("lexmint::EntryWriter",
                                                    "The entry to add lines to no longer exists."));
        if (lineCount + lines.size() > entryrules::MaxDefinitionLines)
            return failLineCount(error);
        return writeLines(id, lines, error);
    });
}

std::optional<EntryWriter::Replacement> EntryWriter::replaceEntry(qint64 oldId,
                                                                  const QString& headword,
                                                                  const QStringList& lines,
                                                                  StoreError* error)
{
    return inTransaction(m_db, error, [&]() -> std::optional<Replacement> {
        const std::optional<qint64> newId = writeEntry(headword, lines, nullptr, error);
        if (!newId)
            return std::nullopt;
        Replacement replacement{*newId, false};

        // The statistics are read inside the transaction, so that answers given while the
        // entry was being edited are kept, with the answers themselves.
        SqlQuery old(m_db,
                     QStringLiteral("SELECT %1 FROM Headwords WHERE ID = ?")
                         .arg(KeptColumns.join(QStringLiteral(", "))));
        if (!old.exec({oldId}, error))
            return std::nullopt;
        if (!old.next()) {
            replacement.previousMissing = true;
            return replacement;
        }
        QVariantMap statistics;
        for (int i = 0; i < KeptColumns.size(); ++i)
            statistics.insert(KeptColumns.at(i), old.value(i));
        old.finish();

        if (!m_writer.updateHeadword(*newId, statistics, error)
            || !AnswerLog(m_db).moveAnswers(oldId, *newId, error))
            return std::nullopt;
        if (!m_writer.deleteHeadword(oldId, error))
            return std::nullopt;
        return replacement;
    });
}

bool EntryWriter::deleteEntry(qint64 id, StoreError* error)
{
    // Definition lines and answers go with their entry, by the file's own triggers.
    return m_writer.deleteHeadword(id, error);
}

} // namespace lexmint
