#include "interchange/SourceTable.h"

#include <algorithm>

namespace lexmint {

void sortByLine(QList<RefusedRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const RefusedRow& a, const RefusedRow& b) { return a.line < b.line; });
}

int SourceTable::columnCount() const
{
    qsizetype count = columns.size();
    for (const SourceRecord& record : records)
        count = std::max(count, record.fields.size());
    return int(count);
}

} // namespace lexmint
