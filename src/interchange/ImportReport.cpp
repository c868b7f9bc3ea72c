#include "interchange/ImportReport.h"

#include <QCoreApplication>

namespace lexmint {

QString ImportReport::summary() const
{
    QString text = QCoreApplication::translate("lexmint::ImportReport", "%1 added, %2 merged")
                       .arg(added)
                       .arg(merged);
    if (skipped > 0)
        text += QCoreApplication::translate("lexmint::ImportReport", ", %1 skipped").arg(skipped);
    return text
        + QCoreApplication::translate("lexmint::ImportReport", ", %1 refused").arg(refused.size());
}

QString ImportReport::text(const QString& source) const
{
    QString text = QCoreApplication::translate("lexmint::ImportReport", "Import of %1\n%2.\n")
                       .arg(source, summary());
    if (!refused.isEmpty()) {
        text += QCoreApplication::translate("lexmint::ImportReport", "\nRefused rows:\n");
        for (const RefusedRow& row : refused)
            text += QCoreApplication::translate("lexmint::ImportReport", "Line %1: %2\n")
                        .arg(row.line)
                        .arg(row.reason);
    }
    if (!notes.isEmpty())
        text += QCoreApplication::translate("lexmint::ImportReport", "\nNotes:\n")
            + notes.join(u'\n') + u'\n';
    return text;
}

} // namespace lexmint
