#include "interchange/ImportReport.h"

namespace lexmint {

QString ImportReport::summary() const
{
    QString text = QStringLiteral("%1 added, %2 merged").arg(added).arg(merged);
    if (skipped > 0)
        text += QStringLiteral(", %1 skipped").arg(skipped);
    return text + QStringLiteral(", %1 refused").arg(refused.size());
}

QString ImportReport::text(const QString& source) const
{
    QString text = QStringLiteral("Import of %1\n%2.\n").arg(source, summary());
    if (!refused.isEmpty()) {
        text += QStringLiteral("\nRefused rows:\n");
        for (const RefusedRow& row : refused)
            text += QStringLiteral("Line %1: %2\n").arg(row.line).arg(row.reason);
    }
    if (!notes.isEmpty())
        text += QStringLiteral("\nNotes:\n") + notes.join(u'\n') + u'\n';
    return text;
}

} // namespace lexmint
