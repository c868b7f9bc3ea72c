#include "EntryWriter.h"

#include "platform/Clock.h"
#include "store/Database.h"
#include "store/EntryRules.h"
#include "store/SqlQuery.h"

namespace lexmint {

namespace {

const QStringList StatisticsColumns{QStringLiteral("LastTestedOn"), QStringLiteral("Tested"),
                                    QStringLiteral("Correct"), QStringLiteral("LastOK")};

// Runs `write` inside a transaction that is committed only when it succeeds.
template <typename Write>
auto inTransaction(Database& db, StoreError* error, Write write) -> decltype(write())
{
    if (!db.transaction(error))
        return {};
    auto result = write();
    if (!result) {
        db.rollback();
        return {};
    }
    if (!db.commit(error))
        return {};
    return result;
}

} // namespace

EntryWriter::EntryWriter(Database& db, const Clock& clock) : m_db(db), m_clock(clock), m_writer(db)
{
}

std::optional<qint64> EntryWriter::writeEntry(const QString& headword, const QStringList& lines,
                                              StoreError* error)
{
    if (lines.isEmpty() || lines.size() > entryrules::MaxDefinitionLines) {
        fail(error, StoreError::Kind::InvalidValue,
             QStringLiteral("An entry has from 1 to %1 definition lines.")
                 .arg(entryrules::MaxDefinitionLines));
        return std::nullopt;
    }
    const std::optional<qint64> id = m_writer.insertHeadword(
        {{QStringLiteral("Headword"), headword}, {QStringLiteral("LastTestedOn"), m_clock.today()}},
        error);
    if (!id)
        return std::nullopt;
    for (const QString& line : lines) {
        if (!m_writer.insertDefinition({{QStringLiteral("ID"), *id}, {QStringLiteral("Definition"), line}},
                                     error))
            return std::nullopt;
    }
    return id;
}

std::optional<qint64> EntryWriter::addEntry(const QString& headword, const QStringList& lines,
                                            StoreError* error)
{
    return inTransaction(m_db, error, [&] { return writeEntry(headword, lines, error); });
}

std::optional<EntryWriter::Replacement> EntryWriter::replaceEntry(qint64 oldId,
                                                                  const QString& headword,
                                                                  const QStringList& lines,
                                                                  StoreError* error)
{
    return inTransaction(m_db, error, [&]() -> std::optional<Replacement> {
        const std::optional<qint64> newId = writeEntry(headword, lines, error);
        if (!newId)
            return std::nullopt;
        Replacement replacement{*newId, false};

        // The statistics are read inside the transaction, so that answers given while the
        // entry was being edited are kept.
        SqlQuery old(m_db,
                     QStringLiteral("SELECT %1 FROM Headwords WHERE ID = ?")
                         .arg(StatisticsColumns.join(QStringLiteral(", "))));
        if (!old.exec({oldId}, error))
            return std::nullopt;
        if (!old.next()) {
            replacement.previousMissing = true;
            return replacement;
        }
        QVariantMap statistics;
        for (int i = 0; i < StatisticsColumns.size(); ++i)
            statistics.insert(StatisticsColumns.at(i), old.value(i));
        old.finish();

        if (!m_writer.updateHeadword(*newId, statistics, error))
            return std::nullopt;
        if (!m_writer.deleteHeadword(oldId, error))
            return std::nullopt;
        return replacement;
    });
}

bool EntryWriter::deleteEntry(qint64 id, StoreError* error)
{
    // Definition lines go with their entry, by the file's own trigger.
    return m_writer.deleteHeadword(id, error);
}

} // namespace lexmint
