#pragma once

#include "store/Criteria.h"

#include <QString>
#include <QVariantList>

namespace lexmint {

/// A piece of WHERE clause with the values bound to its placeholders, in order.
struct SqlCondition {
    QString sql;
    QVariantList values;

    /// Translates criteria into a condition over the Headwords columns, each column name
    /// prefixed with `alias` (such as "h."). Text is bound, never spliced into the SQL.
    static SqlCondition fromCriteria(const Criteria& criteria, const QString& alias);
};

} // namespace lexmint
