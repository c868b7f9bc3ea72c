#include "SearchKeys.h"

#include "store/Database.h"
#include "store/RowWriter.h"
#include "store/SqlQuery.h"
#include "store/TextKeys.h"

namespace lexmint::searchkeys {

namespace {

bool versionIsCurrent(const Database& db)
{
    return db.property(QString::fromLatin1(VersionProperty)) == textkeys::keyVersion();
}

bool recordVersion(Database& db, StoreError* error)
{
    const QString name = QString::fromLatin1(VersionProperty);
    StoreError missing;
    return db.setProperty(name, textkeys::keyVersion(), &missing)
        || (missing.kind == StoreError::Kind::PropertyMissing
            && db.createProperty(name, textkeys::keyVersion(), error));
}

} // namespace

bool areCurrent(const Database& db)
{
    return versionIsCurrent(db)
        && !SqlQuery::scalar(db,
                             QStringLiteral("SELECT EXISTS (SELECT 1 FROM Headwords "
                                            "WHERE SortKey IS NULL OR FoldKey IS NULL)"))
                .value_or(true)
                .toBool();
}

bool update(Database& db, StoreError* error)
{
    const bool versionCurrent = versionIsCurrent(db);
    SqlQuery stale(db,
                   versionCurrent ? QStringLiteral("SELECT ID, Headword FROM Headwords "
                                                   "WHERE SortKey IS NULL OR FoldKey IS NULL")
                                  : QStringLiteral("SELECT ID, Headword FROM Headwords"));
    if (!stale.exec({}, error))
        return false;
    QList<std::pair<qint64, QString>> rows;
    while (stale.next())
        rows.append({stale.value(0).toLongLong(), stale.value(1).toString()});
    stale.finish();
    if (rows.isEmpty() && versionCurrent)
        return true;

    if (!db.transaction(error))
        return false;
    RowWriter writer(db);
    for (const auto& [id, headword] : rows) {
        if (!writer.storeKeys(id, headword, error)) {
            db.rollback();
            return false;
        }
    }
    if (!versionCurrent && !recordVersion(db, error)) {
        db.rollback();
        return false;
    }
    return db.commit(error);
}

bool useCurrentKeysReadOnly(Database& db, StoreError* error)
{
    if (areCurrent(db) || !db.copyIntoMemory())
        return true;
    update(db);
    if (db.refuseWrites(error))
        return true;
    db.close();
    return false;
}

} // namespace lexmint::searchkeys
