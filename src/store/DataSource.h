#pragma once

#include "store/RowSet.h"
#include "store/StoreError.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace lexmint {

class Database;

/// A cursor over one table or saved query of the open vocabulary: the sources "Vocabulary",
/// "Headwords", "Definitions" and the test modes. It keeps a current row and offers the
/// navigation, find, add, edit, delete, position and count operations on it.
///
/// The record source and the database take effect at the next refresh(). Finds take criteria
/// in the forms described in Criteria; other text is a programming error and matches nothing.
///
/// A read of the file that fails (the file busy in another program, a damaged file) finds no
/// row, as if there was none. Its cause goes to the read-error handler and is kept in
/// readError(), so that the failure is never mistaken for an empty result.
class DataSource {
public:
    explicit DataSource(QString recordSource = {});
    ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    void setDatabase(Database* db);
    Database* database() const { return m_db; }
    void setRecordSource(const QString& name) { m_recordSource = name; }
    const QString& recordSource() const { return m_recordSource; }

    /// Reads the source again; the first row becomes current. Without a database the source
    /// is detached and has no rows. Fails when the source is not in the file, or when it or
    /// its first row cannot be read (which goes to the read-error handler too).
    bool refresh(StoreError* error = nullptr);

    void setReadErrorHandler(std::function<void(const StoreError&)> handler)
    {
        m_readErrorHandler = std::move(handler);
    }
    /// The cause of the last failed read since clearReadError() or refresh(); none when every
    /// read worked.
    const StoreError& readError() const { return m_readError; }
    void clearReadError() { m_readError = {}; }
    bool isAttached() const { return m_rows != nullptr; }
    QStringList columns() const;

    int recordCount() const;
    bool hasCurrent() const { return m_current && !m_current->values.isEmpty(); }
    /// True when moving has gone past the last row, or there are no rows.
    bool isEof() const { return !m_current.has_value(); }
    /// Zero-based position of the current row; -1 when there is none.
    int absolutePosition() const;
    bool setAbsolutePosition(int position);
    /// Does now the work that positions need, before a series of finds that must be quick.
    void preparePositions();

    bool moveFirst();
    bool moveLast();
    bool moveNext();

    bool findFirst(const QString& criteria);
    bool findNext(const QString& criteria);
    bool findLast(const QString& criteria);
    bool noMatch() const { return m_noMatch; }

    /// A value of the current row; invalid when there is no current row or no such column.
    QVariant value(const QString& column) const;
    /// Up to `count` rows from `position` on, each with the values of columns().
    QList<QVariantList> rows(int position, int count) const;

    /// Starts a new row; setValue() fills it and update() writes it.
    void addNew();
    /// Starts changing the current row; setValue() changes it and update() writes it.
    bool edit();
    void setValue(const QString& column, const QVariant& value);
    /// Writes the row begun with addNew() or edit(). After addNew() the current row stays
    /// what it was and lastInsertedId() gives the new row's ID.
    bool update(StoreError* error = nullptr);
    void cancelUpdate();
    /// Deletes the current row; there is no current row afterwards.
    bool deleteCurrent(StoreError* error = nullptr);
    qint64 lastInsertedId() const { return m_lastInsertedId; }

private:
    enum class Pending { None, Adding, Editing };

    std::unique_ptr<RowSet> createRows(const QStringList& queries, StoreError* error);
    void readFailed(const StoreError& error);
    bool moveTo(std::optional<Row> row);
    enum class Direction { First, Next, Last };
    bool find(const QString& criteria, Direction direction);

    QString m_recordSource;
    Database* m_db = nullptr;
    std::unique_ptr<RowSet> m_rows;
    std::optional<Row> m_current;
    mutable std::optional<int> m_position;
    bool m_noMatch = false;
    Pending m_pending = Pending::None;
    QVariantMap m_changes;
    qint64 m_lastInsertedId = 0;
    std::function<void(const StoreError&)> m_readErrorHandler;
    StoreError m_readError;
};

} // namespace lexmint
