#pragma once

#include "store/Database.h"
#include "support/TestClock.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <QTemporaryDir>

namespace lexmint::test {

/// Entries in several scripts, with quotes and wildcard characters, as "headword|line|...".
/// In dictionary order: 100 percent, 100%_sure, ábaco (two lines), Abend, abendbrot, say "hi",
/// zapato, žluťoučký, Zürich (two lines), λέξη, слово.
const QStringList& mixedScriptEntries();

/// The statistics of the entry with this headword as "last tested, tested, correct, last OK",
/// e.g. "2026-03-14 0 0 -1"; empty when there is no such entry.
QString entryStatistics(Database& db, const QString& headword);
/// entryStatistics() of an entry added on the test clock's first day and never tested.
inline const QString UntestedStatistics = QStringLiteral("2026-03-14 0 0 -1");

/// Every entry as "headword|line|line...", in the order they were added.
QStringList storedEntries(const Database& db);

/// The number in the first column of the query's first row; -1 when the query fails.
qint64 queryNumber(const Database& db, const QString& sql);

/// Runs raw SQL on a file as another program would, without the store's bookkeeping.
bool execRaw(const QString& path, const QString& sql);

/// Adds `count` entries "word0", "word1"... with two definition lines each, in one go, as
/// another program would (with keys that keep them in order, but are not the program's own).
bool addManyEntries(const QString& path, int count);

/// Makes a vocabulary from the build's template in `dir` with entries given as
/// "headword|line|line..." and returns its path (empty on failure).
QString makeVocabulary(const QString& dir, const QString& name, const QStringList& entries);

/// A fresh vocabulary made from the build's template in a temporary folder.
class StoreFixture {
public:
    /// SQL's "now" follows `clock` while the fixture lives.
    StoreFixture();
    ~StoreFixture();

    bool isValid() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    QString dir() const { return m_dir.path(); }
    QString templatePath() const;

    /// Adds entries given as "headword|line|line..." and returns their IDs in order.
    QList<qint64> addEntries(const QStringList& entries);

    /// Runs raw SQL on the fixture's file (see the free function).
    bool execRaw(const QString& sql) { return test::execRaw(m_path, sql); }

    TestClock clock;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace lexmint::test
