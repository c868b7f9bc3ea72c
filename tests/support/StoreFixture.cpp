#include "support/StoreFixture.h"

#include "store/SqlClock.h"

#include "store/EntryWriter.h"
#include "store/SqlQuery.h"
#include "support/TestFiles.h"

#include <QFile>

#include <sqlite3.h>

namespace lexmint::test {

namespace {

QList<qint64> addTo(const QString& path, const QStringList& entries, const Clock& clock)
{
    Database db;
    if (!db.open(path))
        return {};
    EntryWriter writer(db, clock);
    QList<qint64> ids;
    for (const QString& entry : entries) {
        QStringList parts = entry.split(u'|');
        const QString headword = parts.takeFirst();
        if (auto id = writer.addEntry(headword, parts))
            ids.append(*id);
    }
    return ids;
}

} // namespace

bool addManyEntries(const QString& path, int count)
{
    return execRaw(
        path,
        QStringLiteral("BEGIN;"
                       "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                       "WHERE i < %1 - 1) INSERT INTO Headwords (Headword, FoldKey, SortKey) "
                       "SELECT 'word' || i, 'word' || i, 'word' || i FROM n;"
                       "INSERT INTO Definitions SELECT ID, 'meaning of ' || Headword "
                       "FROM Headwords WHERE Headword GLOB 'word*';"
                       "INSERT INTO Definitions SELECT ID, 'another meaning of ' || Headword "
                       "FROM Headwords WHERE Headword GLOB 'word*';"
                       "COMMIT;")
            .arg(count));
}

const QStringList& mixedScriptEntries()
{
    static const QStringList entries{QStringLiteral("zapato|shoe"),
                                     QStringLiteral("ábaco|abacus|counting frame"),
                                     QStringLiteral("Abend|evening"),
                                     QStringLiteral("žluťoučký|yellowish"),
                                     QStringLiteral("λέξη|word"),
                                     QStringLiteral("слово|word"),
                                     QStringLiteral("say \"hi\"|greet"),
                                     QStringLiteral("100%_sure|certain"),
                                     QStringLiteral("100 percent|entirely"),
                                     QStringLiteral("abendbrot|supper"),
                                     QStringLiteral("Zürich|a city|in Switzerland")};
    return entries;
}

QString entryStatistics(Database& db, const QString& headword)
{
    return SqlQuery::scalar(db,
                            QStringLiteral("SELECT LastTestedOn || ' ' || Tested || ' ' || Correct "
                                           "|| ' ' || LastOK FROM Headwords WHERE Headword = ?"),
                            {headword})
        .value_or(QVariant())
        .toString();
}

QStringList storedEntries(const Database& db)
{
    SqlQuery query(db,
                   QStringLiteral("SELECT h.Headword || coalesce((SELECT group_concat('|' || "
                                  "Definition, '') FROM (SELECT Definition FROM Definitions d "
                                  "WHERE d.ID = h.ID ORDER BY d.rowid)), '') "
                                  "FROM Headwords h ORDER BY h.ID"));
    QStringList entries;
    if (query.exec())
        while (query.next())
            entries.append(query.value(0).toString());
    return entries;
}

qint64 queryNumber(const Database& db, const QString& sql)
{
    return SqlQuery::scalar(db, sql).value_or(-1).toLongLong();
}

QString makeVocabulary(const QString& dir, const QString& name, const QStringList& entries)
{
    const QString path = copyToDir(buildDataDir() + QStringLiteral("/vocab.mdn"), dir, name);
    const TestClock clock;
    if (path.isEmpty() || addTo(path, entries, clock).size() != entries.size())
        return {};
    return path;
}

StoreFixture::StoreFixture()
{
    m_path = copyToDir(templatePath(), m_dir.path(), QStringLiteral("test.lxm"));
    setSqlClock(clock);
}

StoreFixture::~StoreFixture()
{
    releaseSqlClock(clock);
}

QString StoreFixture::templatePath() const
{
    return buildDataDir() + QStringLiteral("/vocab.mdn");
}

QList<qint64> StoreFixture::addEntries(const QStringList& entries)
{
    return addTo(m_path, entries, clock);
}

bool execRaw(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    const bool ok =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
            == SQLITE_OK
        && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace lexmint::test
