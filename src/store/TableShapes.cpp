#include "TableShapes.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <QHash>

namespace lexmint {

namespace {

// How the engine stores a column's values, from its declared type.
enum class Affinity { Integer, Text, Blob, Real, Numeric };

Affinity affinityOf(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return Affinity::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB"))
        || type.contains(QLatin1String("TEXT")))
        return Affinity::Text;
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")))
        return Affinity::Blob;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
        || type.contains(QLatin1String("DOUB")))
        return Affinity::Real;
    return Affinity::Numeric;
}

enum class Kind {
    RowNumber, ///< the table's row number under a name of its own
    Text,
    Number, ///< whole numbers stay whole numbers
    Date,   ///< a date as ISO text
    Any,    ///< the program's own bookkeeping, whatever its declared type
};

struct Column {
    const char* name;
    Kind kind;
};

struct StoredColumn {
    QString type;
    bool primaryKey = false;
    bool computed = false;
};

bool fits(const StoredColumn& column, Kind kind, int primaryKeyColumns)
{
    const Affinity affinity = affinityOf(column.type);
    switch (kind) {
    case Kind::RowNumber:
        // Only a sole INTEGER PRIMARY KEY is the row number itself.
        return column.primaryKey && primaryKeyColumns == 1
            && column.type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
    case Kind::Text: return affinity == Affinity::Text;
    case Kind::Number: return affinity == Affinity::Integer || affinity == Affinity::Numeric;
    case Kind::Date: return affinity == Affinity::Text || affinity == Affinity::Numeric;
    case Kind::Any: return true;
    }
    return false;
}

bool isOrdinaryTable(const Database& db, const QString& table)
{
    const auto shape = SqlQuery::scalar(db,
                                        QStringLiteral("SELECT type = 'table' AND NOT wr FROM "
                                                       "pragma_table_list WHERE schema = 'main' "
                                                       "AND name = ? COLLATE NOCASE"),
                                        {table});
    return shape && shape->toBool();
}

bool hasColumns(const Database& db, const QString& table, std::initializer_list<Column> wanted)
{
    if (!isOrdinaryTable(db, table))
        return false;
    SqlQuery info(db, QStringLiteral("SELECT name, type, pk, hidden FROM pragma_table_xinfo(?)"));
    if (!info.exec({table}))
        return false;
    QHash<QString, StoredColumn> columns;
    int primaryKeyColumns = 0;
    while (info.next()) {
        const bool primaryKey = info.value(2).toInt() > 0;
        primaryKeyColumns += primaryKey ? 1 : 0;
        columns.insert(info.value(0).toString().toCaseFolded(),
                       {info.value(1).toString(), primaryKey, info.value(3).toInt() != 0});
    }
    return std::all_of(wanted.begin(), wanted.end(), [&](const Column& column) {
        const auto found = columns.constFind(QString::fromLatin1(column.name).toCaseFolded());
        return found != columns.cend() && !found->computed
            && fits(*found, column.kind, primaryKeyColumns);
    });
}

} // namespace

bool hasVocabularyTables(const Database& db)
{
    return hasColumns(db, QStringLiteral("Headwords"),
                      {{"ID", Kind::RowNumber},
                       {"Headword", Kind::Text},
                       {"LastTestedOn", Kind::Date},
                       {"Tested", Kind::Number},
                       {"Correct", Kind::Number},
                       {"LastOK", Kind::Number},
                       {"FoldKey", Kind::Any},
                       {"SortKey", Kind::Any},
                       {"Lines", Kind::Number}})
        && hasColumns(db, QStringLiteral("Definitions"),
                      {{"ID", Kind::Number}, {"Definition", Kind::Text}});
}

} // namespace lexmint
