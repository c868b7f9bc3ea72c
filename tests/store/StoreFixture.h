#pragma once

#include "store/Database.h"
#include "support/TestClock.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <QTemporaryDir>

namespace lexmint::test {

/// A fresh vocabulary made from the build's template in a temporary folder.
class StoreFixture {
public:
    StoreFixture();

    bool isValid() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    QString dir() const { return m_dir.path(); }
    QString templatePath() const;

    /// Adds entries given as "headword|line|line..." and returns their IDs in order.
    QList<qint64> addEntries(const QStringList& entries);

    /// Runs raw SQL on the file as another program would, without the store's bookkeeping.
    bool execRaw(const QString& sql);

    TestClock clock;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace lexmint::test
