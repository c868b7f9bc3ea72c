#include "store/TemplateSchema.h"

#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

namespace lexmint {

namespace {

QString text(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
}

// The second column of every row the query gives, where the first one passes the filter.
template <typename Filter>
QStringList secondColumn(sqlite3* db, const char* sql, Filter keep)
{
    QStringList values;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        if (keep(text(statement, 0)))
            values.append(text(statement, 1));
    }
    sqlite3_finalize(statement);
    return values;
}

} // namespace

void TemplateSchema::Closer::operator()(sqlite3* db) const
{
    sqlite3_close(db);
}

TemplateSchema::TemplateSchema() = default;
TemplateSchema::~TemplateSchema() = default;

bool TemplateSchema::load(StoreError* error)
{
    QFile file(QStringLiteral(":/lexmint/template.sql"));
    sqlite3* db = nullptr;
    const bool opened = sqlite3_open(":memory:", &db) == SQLITE_OK;
    m_db.reset(db);
    if (!opened || !file.open(QIODevice::ReadOnly)
        || sqlite3_exec(db, file.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate("lexmint::ScheduleSchema",
                                                "The vocabulary template could not be read."));
    return true;
}

QStringList TemplateSchema::definitions(const QStringList& names) const
{
    return secondColumn(m_db.get(), "SELECT name, sql FROM sqlite_schema ORDER BY rowid",
                        [&](const QString& name) { return names.contains(name); });
}

QStringList TemplateSchema::triggerDefinitions() const
{
    return secondColumn(m_db.get(),
                        "SELECT name, sql FROM sqlite_schema WHERE type = 'trigger' ORDER BY rowid",
                        [](const QString&) { return true; });
}

QString TemplateSchema::headwordColumn(const QString& name) const
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db.get(),
                       "SELECT type, \"notnull\", dflt_value "
                       "FROM pragma_table_info('Headwords') WHERE name = ?",
                       -1, &statement, nullptr);
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(statement, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    QString definition;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        definition = quotedIdentifier(name) + u' ' + text(statement, 0);
        if (sqlite3_column_int(statement, 1))
            definition += QStringLiteral(" NOT NULL");
        if (sqlite3_column_type(statement, 2) != SQLITE_NULL)
            definition += QStringLiteral(" DEFAULT ") + text(statement, 2);
    }
    sqlite3_finalize(statement);
    return definition;
}

} // namespace lexmint
