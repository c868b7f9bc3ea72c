#include "Salvage.h"

#include "store/Database.h"
#include "store/EntryRules.h"
#include "store/EntryText.h"
#include "store/RowWriter.h"
#include "store/SqlQuery.h"

#include <QFile>
#include <QMap>

namespace lexmint {

namespace {

const QStringList StatisticsColumns{QStringLiteral("LastTestedOn"), QStringLiteral("Tested"),
                                    QStringLiteral("Correct"), QStringLiteral("LastOK")};

struct Entry {
    QString headword;
    QVariantMap statistics;
    QStringList lines;
};

// Reads the rows of a table from its first row on and from its last row back, each way until
// the damage stops it, so that the rows on either side of a damaged part are read. `take`
// returns false for a row it already has, where the two ways meet.
template <typename Take>
void readAround(const Database& db, const QString& select, Take take)
{
    for (const QString& order :
         {QStringLiteral(" ORDER BY rowid"), QStringLiteral(" ORDER BY rowid DESC")}) {
        SqlQuery rows(db, select + order);
        if (!rows.exec())
            continue;
        while (rows.next() && take(rows)) {
        }
    }
}

QMap<qint64, Entry> readEntries(const Database& db)
{
    QMap<qint64, Entry> entries;
    readAround(db,
               QStringLiteral("SELECT ID, Headword, %1 FROM Headwords")
                   .arg(StatisticsColumns.join(QStringLiteral(", "))),
               [&](const SqlQuery& row) {
                   const qint64 id = row.value(0).toLongLong();
                   if (entries.contains(id))
                       return false;
                   Entry& entry = entries[id];
                   entry.headword = row.value(1).toString();
                   for (int i = 0; i < StatisticsColumns.size(); ++i) {
                       // A missing value takes the column's default.
                       if (const QVariant value = row.value(2 + i); !value.isNull())
                           entry.statistics.insert(StatisticsColumns.at(i), value);
                   }
                   return true;
               });

    QMap<qint64, std::pair<qint64, QString>> lines; // by row number, to keep their order
    readAround(db, QStringLiteral("SELECT rowid, ID, Definition FROM Definitions"),
               [&](const SqlQuery& row) {
                   const qint64 rowId = row.value(0).toLongLong();
                   if (lines.contains(rowId))
                       return false;
                   lines.insert(rowId, {row.value(1).toLongLong(), row.value(2).toString()});
                   return true;
               });
    for (const auto& [id, text] : std::as_const(lines)) {
        const auto entry = entries.find(id);
        const QString line = entrytext::truncated(text.trimmed());
        if (entry != entries.end() && !line.isEmpty()
            && entry->lines.size() < entryrules::MaxDefinitionLines)
            entry->lines.append(line);
    }
    return entries;
}

// Writes one entry; a value the copy refuses leaves that entry out, not the others.
bool writeEntry(Database& db, RowWriter& writer, int headwordSize, const Entry& entry)
{
    if (!SqlQuery(db, QStringLiteral("SAVEPOINT entry")).exec())
        return false;
    QVariantMap values = entry.statistics;
    values.insert(QStringLiteral("Headword"),
                  headwordSize > 0 ? entrytext::truncated(entry.headword, headwordSize)
                                   : entry.headword);
    std::optional<qint64> id = writer.insertHeadword(values);
    for (qsizetype i = 0; id && i < entry.lines.size(); ++i) {
        if (!writer.insertDefinition(
                {{QStringLiteral("ID"), *id}, {QStringLiteral("Definition"), entry.lines.at(i)}}))
            id.reset();
    }
    if (!id)
        SqlQuery(db, QStringLiteral("ROLLBACK TO entry")).exec();
    SqlQuery(db, QStringLiteral("RELEASE entry")).exec();
    return id.has_value();
}

} // namespace

std::optional<int> salvageVocabulary(const QString& damaged, const QString& templatePath,
                                     const QString& target, StoreError* error)
{
    QMap<qint64, Entry> entries;
    {
        Database source;
        if (!source.openReadOnly(damaged, error))
            return std::nullopt;
        entries = readEntries(source);
    }
    if (!Database::copyDatabase(templatePath, target, error, Database::Existing::Replace))
        return std::nullopt;

    int saved = 0;
    bool written = false;
    {
        Database copy;
        if (copy.open(target, error) && copy.transaction(error)) {
            RowWriter writer(copy);
            const int headwordSize =
                copy.textColumnSize(QStringLiteral("Headwords"), QStringLiteral("Headword"))
                    .value_or(0);
            for (const Entry& entry : std::as_const(entries)) {
                if (!entry.lines.isEmpty() && writeEntry(copy, writer, headwordSize, entry))
                    ++saved;
            }
            written = copy.commit(error);
        }
    }
    if (!written) {
        QFile::remove(target);
        return std::nullopt;
    }
    return saved;
}

} // namespace lexmint
