#pragma once

#include "store/StoreError.h"

#include <QStringList>

#include <memory>

struct sqlite3;

namespace lexmint {

/// The program's own schema, the one new vocabularies are made from, built in a private
/// in-memory database from the text the template is made of. Files are upgraded from it and
/// their triggers are checked against it.
class TemplateSchema {
public:
    TemplateSchema();
    ~TemplateSchema();

    /// Builds the schema; false with the reason when the template cannot be read.
    bool load(StoreError* error = nullptr);

    /// The statements that make the named objects, in the template's order.
    QStringList definitions(const QStringList& names) const;
    /// The statements of every trigger.
    QStringList triggerDefinitions() const;
    /// The definition of a column of Headwords, as ADD COLUMN takes it.
    QString headwordColumn(const QString& name) const;

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    std::unique_ptr<sqlite3, Closer> m_db;
};

} // namespace lexmint
