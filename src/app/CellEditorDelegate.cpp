#include "app/CellEditorDelegate.h"

#include "entries/CharacterLimit.h"
#include "store/EntryRules.h"
#include "keyboards/widgets/FieldLanguageHint.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace lexmint {

CellEditorDelegate::CellEditorDelegate(LengthLimit limit, EditLayout layout, QObject* parent)
    : QStyledItemDelegate(parent), m_limit(std::move(limit)), m_layout(std::move(layout))
{
}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor)
        FieldLanguageHint::install(editor, m_layout);
    return editor;
}

void CellEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = takeRefusedText(index).value_or(index.data(Qt::EditRole).toString());
    // A stored text longer than the limit is shown whole, never cut short by the editor.
    if (const int limit = m_limit(index.column()); limit > 0)
        line->setValidator(
            new CharacterLimit(std::max<qsizetype>(limit, entryrules::characterCount(text)), line));
    line->setText(text);
}

void CellEditorDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (model->setData(index, line->text(), Qt::EditRole))
        return;
    m_refusedIndex = index;
    m_refusedText = line->text();
}

void CellEditorDelegate::forgetRefusal()
{
    takeRefusedText(m_refusedIndex);
}

std::optional<QString> CellEditorDelegate::takeRefusedText(const QModelIndex& index) const
{
    if (!m_refusedIndex.isValid() || m_refusedIndex != index)
        return std::nullopt;
    m_refusedIndex = QPersistentModelIndex();
    return std::exchange(m_refusedText, QString());
}

} // namespace lexmint
