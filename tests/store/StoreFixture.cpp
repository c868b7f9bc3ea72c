#include "StoreFixture.h"

#include "store/EntryWriter.h"
#include "support/TestFiles.h"

#include <QFile>

#include <sqlite3.h>

namespace lexmint::test {

StoreFixture::StoreFixture()
{
    m_path = copyToDir(templatePath(), m_dir.path(), QStringLiteral("test.lxm"));
}

QString StoreFixture::templatePath() const
{
    return buildDataDir() + QStringLiteral("/vocab.mdn");
}

QList<qint64> StoreFixture::addEntries(const QStringList& entries)
{
    Database db;
    if (!db.open(m_path))
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

bool StoreFixture::execRaw(const QString& sql)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                    SQLITE_OPEN_READWRITE, nullptr)
            == SQLITE_OK
        && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace lexmint::test
