#include "interchange/VocabularyReader.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QHash>

namespace lexmint::vocabularyreader {

std::optional<QList<VocabularyEntry>> read(const Database& db, const QString& mode,
                                           StoreError* error)
{
    const std::optional<QStringList> modes = db.queryNames(error);
    if (!modes)
        return std::nullopt;
    if (!modes->contains(mode)) {
        fail(error, StoreError::Kind::NotVocabulary,
             QCoreApplication::translate("lexmint::VocabularyReader",
                                         "The vocabulary has no test mode \"%1\".")
                 .arg(mode));
        return std::nullopt;
    }

    SqlQuery entries(db,
                     QStringLiteral("SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK "
                                    "FROM %1")
                         .arg(quotedIdentifier(mode)));
    if (!entries.exec({}, error))
        return std::nullopt;
    QList<VocabularyEntry> result;
    QHash<qint64, qsizetype> positions;
    while (entries.next()) {
        positions.insert(entries.value(0).toLongLong(), result.size());
        result.append(
            {entries.value(1).toString(),
             {},
             {QDate::fromString(entries.value(2).toString(), Qt::ISODate), entries.value(3).toInt(),
              entries.value(4).toInt(), entries.value(5).toInt()}});
    }
    entries.finish();

    // One pass over all lines is quicker than a lookup per entry, and keeps each entry's order.
    SqlQuery lines(db, QStringLiteral("SELECT ID, Definition FROM Definitions ORDER BY rowid"));
    if (!lines.exec({}, error))
        return std::nullopt;
    while (lines.next()) {
        const auto position = positions.constFind(lines.value(0).toLongLong());
        if (position != positions.cend())
            result[*position].lines.append(lines.value(1).toString());
    }
    return result;
}

} // namespace lexmint::vocabularyreader
