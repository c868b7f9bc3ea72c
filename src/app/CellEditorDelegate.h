#pragma once

#include "platform/KeyboardLayoutId.h"

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

namespace lexmint {

/// Edits the data sheet's cells in place. Editors take no more characters than their column
/// holds, and a text the model refuses is kept: the next editor opened on that cell starts
/// with it, so that the user can correct what he typed instead of typing it again.
class CellEditorDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    /// The most characters a column takes; 0 for no limit of its own.
    using LengthLimit = std::function<int(int column)>;

    /// The layout of the cell being edited, for input methods.
    using EditLayout = std::function<KeyboardLayoutId()>;

    CellEditorDelegate(LengthLimit limit, EditLayout layout, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    /// The cell whose last edit was refused; invalid when there is none.
    QModelIndex refusedIndex() const { return m_refusedIndex; }
    void forgetRefusal();

private:
    /// The refused text of `index`, handed out once.
    std::optional<QString> takeRefusedText(const QModelIndex& index) const;

    LengthLimit m_limit;
    EditLayout m_layout;
    // Set while committing, which Qt declares const.
    mutable QPersistentModelIndex m_refusedIndex;
    mutable QString m_refusedText;
};

} // namespace lexmint
