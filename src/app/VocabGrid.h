#pragma once

#include "keyboards/widgets/TypingContext.h"

#include <QTableView>

namespace lexmint {

class CellEditorDelegate;
class KeyboardFocus;
class VocabularyModel;
struct StoreError;
struct VocabInfo;

/// The main window's data sheet: the rows of the open vocabulary, the headword in the first
/// column and the definition in the second; the entry ID is the hidden third column. Cells are
/// edited in place; rows are neither added nor deleted here. The arrow keys move from cell to
/// cell without wrapping, and Tab leaves the sheet for the next control.
///
/// While the sheet (or its cell editor) has the focus, the keyboard layout of the current
/// column is active: the vocabulary's headword layout in the first column, its definition
/// layout in the others. The user's own layout comes back when the sheet loses the focus.
///
/// The view's current row is kept as the current row of the model's source, so that finds and
/// the other windows work from the entry the user sees.
class VocabGrid final : public QTableView {
    Q_OBJECT

public:
    /// `vocab` describes the open vocabulary (an empty path when none is) and must outlive the
    /// sheet.
    VocabGrid(VocabularyModel& model, KeyboardFocus& keyboards, const VocabInfo& vocab,
              QWidget* parent = nullptr);

    /// Reads the source again and shows it from its first row, with freshly laid out columns.
    bool dataRefresh(StoreError* error = nullptr);
    /// Fits the columns to the sheet's width: both anew, or the second only when `keepFirst`.
    void layoutColumns(bool keepFirst);

    /// Switches to the layout of the current column (also when the sheet does not have the
    /// focus, as after opening a vocabulary).
    void setGridKeyboard();

    bool isEditing() const;
    /// The ID of the current row's entry; 0 when there is no current row.
    qint64 currentEntryId() const;
    /// The position of the current row; -1 when there is none.
    int currentPosition() const;
    /// Makes the row at `position` current and shows it; false when there is no such row.
    bool moveToPosition(int position);
    /// Makes the source's current row (after a find, say) the current row and shows it.
    void showSourceCurrent();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    KeyboardLayoutId wantedLayout() const;
    int editorLimit(int column) const;
    void columnResized(int column, int oldSize, int newSize);
    void applyColumnModes();
    void reopenRefusedEdit();

    VocabularyModel& m_model;
    const VocabInfo& m_vocab;
    CellEditorDelegate* m_delegate;
    TypingContext m_keyboard;
    bool m_layingOut = false;
};

} // namespace lexmint
