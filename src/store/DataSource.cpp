#include "DataSource.h"

#include "store/Criteria.h"
#include "store/Database.h"
#include "store/KeysetRows.h"
#include "store/TableRows.h"
#include "store/VocabularyRows.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace lexmint {

namespace {
Q_LOGGING_CATEGORY(lcDataSource, "lexmint.store.datasource")
}

DataSource::DataSource(QString recordSource) : m_recordSource(std::move(recordSource)) {}

DataSource::~DataSource() = default;

void DataSource::setDatabase(Database* db)
{
    m_db = db;
    if (!db) {
        m_rows.reset();
        m_current.reset();
        m_position.reset();
    }
}

std::unique_ptr<RowSet> DataSource::createRows(const QStringList& queries, StoreError* error)
{
    if (m_recordSource == QLatin1String("Vocabulary"))
        return std::make_unique<VocabularyRows>(*m_db);
    if (m_recordSource == QLatin1String("Headwords"))
        return std::make_unique<TableRows>(*m_db, TableRows::Table::Headwords);
    if (m_recordSource == QLatin1String("Definitions"))
        return std::make_unique<TableRows>(*m_db, TableRows::Table::Definitions);
    if (!queries.contains(m_recordSource)) {
        fail(error, StoreError::Kind::NotVocabulary,
             QCoreApplication::translate("lexmint::DataSource",
                                         "The vocabulary has no table or query named \"%1\".")
                 .arg(m_recordSource));
        return nullptr;
    }
    StoreError readError;
    auto rows = std::make_unique<KeysetRows>(*m_db, m_recordSource, &readError);
    if (readError) {
        readFailed(readError);
        if (error)
            *error = readError;
        return nullptr;
    }
    return rows;
}

bool DataSource::refresh(StoreError* error)
{
    cancelUpdate();
    m_rows.reset();
    m_current.reset();
    m_position.reset();
    m_noMatch = false;
    m_readError = {};
    if (!m_db || !m_db->isOpen())
        return true;
    // The list of queries is read first, so that a file that cannot be read at all is told
    // from a source that is not there.
    StoreError readError;
    const std::optional<QStringList> queries = m_db->queryNames(&readError);
    if (!queries) {
        readFailed(readError);
    } else {
        m_rows = createRows(*queries, error);
        if (!m_rows)
            return false;
        m_rows->setReadFailureHandler([this](const StoreError& failure) { readFailed(failure); });
        moveFirst();
    }
    if (!m_readError)
        return true;
    if (error)
        *error = m_readError;
    return false;
}

void DataSource::readFailed(const StoreError& error)
{
    m_readError = error;
    if (m_readErrorHandler)
        m_readErrorHandler(error);
}

QStringList DataSource::columns() const
{
    return m_rows ? m_rows->columns() : QStringList();
}

int DataSource::recordCount() const
{
    return m_rows ? m_rows->count() : 0;
}

int DataSource::absolutePosition() const
{
    if (!m_rows || !hasCurrent())
        return -1;
    if (!m_position)
        m_position = m_rows->positionOf(*m_current);
    return *m_position;
}

void DataSource::preparePositions()
{
    if (m_rows)
        m_rows->preparePositions();
}

bool DataSource::setAbsolutePosition(int position)
{
    if (!m_rows)
        return false;
    std::optional<Row> row = m_rows->at(position);
    if (!row)
        return false;
    moveTo(std::move(row));
    m_position = position;
    return true;
}

bool DataSource::moveTo(std::optional<Row> row)
{
    cancelUpdate();
    m_position.reset();
    if (!row) {
        m_current.reset();
        return false;
    }
    m_current = std::move(row);
    return true;
}

bool DataSource::moveFirst()
{
    if (!m_rows || !moveTo(m_rows->first(nullptr)))
        return false;
    m_position = 0;
    return true;
}

bool DataSource::moveLast()
{
    return m_rows && moveTo(m_rows->last(nullptr));
}

bool DataSource::moveNext()
{
    if (!m_rows || !m_current)
        return false;
    return moveTo(m_rows->after(*m_current, nullptr));
}

bool DataSource::find(const QString& criteria, Direction direction)
{
    m_noMatch = true;
    if (!m_rows)
        return false;
    const std::optional<Criteria> parsed = Criteria::parse(criteria);
    const bool usable = parsed
        && (parsed->op == Criteria::Op::IdEquals
            || m_rows->columns().contains(QStringLiteral("Headword")));
    if (!usable) {
        qCWarning(lcDataSource) << "Refused criteria" << criteria << "on" << m_recordSource;
        return false;
    }
    const SqlCondition condition = m_rows->condition(*parsed);
    std::optional<Row> found;
    if (direction == Direction::Last)
        found = m_rows->last(&condition);
    else if (direction == Direction::Next && m_current)
        found = m_rows->after(*m_current, &condition);
    else
        found = m_rows->first(&condition);
    if (!found)
        return false;
    m_noMatch = false;
    return moveTo(std::move(found));
}

bool DataSource::findFirst(const QString& criteria)
{
    return find(criteria, Direction::First);
}

bool DataSource::findNext(const QString& criteria)
{
    return find(criteria, Direction::Next);
}

bool DataSource::findLast(const QString& criteria)
{
    return find(criteria, Direction::Last);
}

QVariant DataSource::value(const QString& column) const
{
    if (!hasCurrent())
        return {};
    const auto index = m_rows->columns().indexOf(column);
    if (m_pending == Pending::Editing && m_changes.contains(column))
        return m_changes.value(column);
    return m_current->values.value(index);
}

QList<QVariantList> DataSource::rows(int position, int count) const
{
    QList<QVariantList> values;
    if (!m_rows || count <= 0)
        return values;
    const std::optional<Row> start = m_rows->at(position);
    if (!start)
        return values;
    for (const Row& row : m_rows->rowsFrom(*start, count))
        values.append(row.values);
    return values;
}

void DataSource::addNew()
{
    m_changes.clear();
    m_pending = Pending::Adding;
}

bool DataSource::edit()
{
    m_changes.clear();
    m_pending = hasCurrent() ? Pending::Editing : Pending::None;
    return m_pending == Pending::Editing;
}

void DataSource::setValue(const QString& column, const QVariant& value)
{
    if (m_pending != Pending::None)
        m_changes.insert(column, value);
}

bool DataSource::update(StoreError* error)
{
    if (!m_rows || m_pending == Pending::None)
        return fail(error, StoreError::Kind::InvalidValue,
                    QCoreApplication::translate("lexmint::DataSource",
                                                "There is no new or changed row to write."));
    const Pending pending = std::exchange(m_pending, Pending::None);
    const QVariantMap changes = std::exchange(m_changes, {});
    if (pending == Pending::Adding) {
        const std::optional<qint64> id = m_rows->insert(changes, error);
        if (!id)
            return false;
        m_lastInsertedId = *id;
        return true;
    }
    if (!m_current || !m_rows->update(*m_current, changes, error))
        return false;
    m_current = m_rows->reread(*m_current);
    m_position.reset();
    return true;
}

void DataSource::cancelUpdate()
{
    m_pending = Pending::None;
    m_changes.clear();
}

bool DataSource::deleteCurrent(StoreError* error)
{
    cancelUpdate();
    if (!m_rows || !hasCurrent())
        return fail(error, StoreError::Kind::RowMissing,
                    QCoreApplication::translate("lexmint::DataSource", "There is no current row."));
    if (!m_rows->remove(*m_current, error))
        return false;
    // The key stays, so that moving on continues from where the deleted row stood.
    m_current->values.clear();
    m_position.reset();
    return true;
}

} // namespace lexmint
