#include "app/VocabGrid.h"

#include "app/CellEditorDelegate.h"
#include "app/ColumnLayout.h"
#include "app/VocabularyModel.h"
#include "platform/widgets/Twips.h"
#include "store/DataSource.h"
#include "store/EntryRules.h"
#include "store/VocabInfo.h"

#include <QHeaderView>
#include <QScopedValueRollback>

#include <algorithm>

namespace lexmint {

namespace {
constexpr int RecordSelectorWidth = 285; // twips
} // namespace

VocabGrid::VocabGrid(VocabularyModel& model, KeyboardFocus& keyboards, const VocabInfo& vocab,
                     QWidget* parent)
    : QTableView(parent),
      m_model(model),
      m_vocab(vocab),
      m_delegate(new CellEditorDelegate([this](int column) { return editorLimit(column); },
                                        [this] { return wantedLayout(); }, this)),
      m_keyboard(keyboards, this, [this] { return wantedLayout(); })
{
    setObjectName(QStringLiteral("VocabGrid"));
    m_model.setTextLimit([this](int column) { return editorLimit(column); });
    setModel(&m_model);
    setItemDelegate(m_delegate);
    setTabKeyNavigation(false);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    // The row header is the record selector; rows are one line high and keep their height.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rows->minimumSectionSize());
    rows->setFixedWidth(twipsToPixelsX(RecordSelectorWidth, this));

    QHeaderView* columns = horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(false);
    connect(columns, &QHeaderView::sectionResized, this, &VocabGrid::columnResized);

    // A reset may bring a new set of columns.
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnModes();
        layoutColumns(false);
    });
    // An edited headword moves its entry; the current cell moves with it.
    connect(&m_model, &QAbstractItemModel::rowsMoved, this, [this] {
        if (currentIndex().isValid())
            scrollTo(currentIndex());
    });
    applyColumnModes();
    layoutColumns(false);
}

bool VocabGrid::dataRefresh(StoreError* error)
{
    const int column = std::max(currentIndex().column(), 0);
    const bool refreshed = m_model.source().refresh(error);
    m_model.reload();
    if (m_model.rowCount() > 0)
        setCurrentIndex(m_model.index(0, column));
    return refreshed;
}

void VocabGrid::layoutColumns(bool keepFirst)
{
    if (m_model.columnCount() <= VocabularyModel::DefinitionColumn)
        return;
    const QScopedValueRollback guard(m_layingOut, true);
    QHeaderView* header = horizontalHeader();
    const int available = ColumnLayout::available(pixelsToTwipsX(contentsRect().width(), this),
                                                  pixelsToTwipsX(verticalHeader()->width(), this));
    const ColumnLayout layout = keepFirst
        ? ColumnLayout::keepingFirst(
            available, pixelsToTwipsX(header->sectionSize(VocabularyModel::HeadwordColumn), this))
        : ColumnLayout::compute(available);
    header->resizeSection(VocabularyModel::HeadwordColumn, twipsToPixelsX(layout.first, this));
    header->resizeSection(VocabularyModel::DefinitionColumn, twipsToPixelsX(layout.second, this));
}

void VocabGrid::applyColumnModes()
{
    if (m_model.columnCount() <= VocabularyModel::IdColumn)
        return;
    // Only the headword column is sized by the user; the definition column follows it.
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(VocabularyModel::HeadwordColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(VocabularyModel::DefinitionColumn, QHeaderView::Fixed);
    setColumnHidden(VocabularyModel::IdColumn, true);
}

void VocabGrid::columnResized(int column, int oldSize, int)
{
    if (m_layingOut)
        return;
    if (column == VocabularyModel::HeadwordColumn) {
        layoutColumns(true);
    } else if (column == VocabularyModel::DefinitionColumn) {
        const QScopedValueRollback guard(m_layingOut, true);
        horizontalHeader()->resizeSection(column, oldSize);
    }
}

void VocabGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    layoutColumns(false);
}

KeyboardLayoutId VocabGrid::wantedLayout() const
{
    if (m_vocab.path.isEmpty())
        return KeybCurrent;
    // Without a current cell (no rows) the sheet stands in its first column.
    return std::max(currentIndex().column(), 0) == VocabularyModel::HeadwordColumn
        ? m_vocab.keybHead
        : m_vocab.keybDef;
}

void VocabGrid::setGridKeyboard()
{
    m_keyboard.switchNow();
}

void VocabGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_model.setCurrentRow(current.row());
    // Only while the sheet's layouts are in use, so that a move made for another window
    // (a find, a refresh) does not switch the layout under that window.
    if (current.column() != previous.column())
        m_keyboard.layoutChanged();
}

int VocabGrid::editorLimit(int column) const
{
    return column == VocabularyModel::HeadwordColumn ? m_vocab.headwordSize
                                                     : entryrules::MaxDefinitionLength;
}

void VocabGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (m_delegate->refusedIndex().isValid()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        // The editor may be closing because the current cell is moving away; the refused
        // cell is taken up again once that is over.
        QMetaObject::invokeMethod(this, &VocabGrid::reopenRefusedEdit, Qt::QueuedConnection);
        return;
    }
    // Tab leaves the sheet, from the editor as from the cells.
    const bool tab = hint == QAbstractItemDelegate::EditNextItem
        || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
    if (tab)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void VocabGrid::reopenRefusedEdit()
{
    const QModelIndex index = m_delegate->refusedIndex();
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    setFocus(Qt::OtherFocusReason);
    if (!edit(index, AllEditTriggers, nullptr))
        m_delegate->forgetRefusal();
}

bool VocabGrid::isEditing() const
{
    return state() == EditingState;
}

qint64 VocabGrid::currentEntryId() const
{
    const QModelIndex current = currentIndex();
    return current.isValid()
        ? current.siblingAtColumn(VocabularyModel::IdColumn).data().toLongLong()
        : 0;
}

int VocabGrid::currentPosition() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool VocabGrid::moveToPosition(int position)
{
    if (position < 0 || position >= m_model.rowCount())
        return false;
    const QModelIndex target = m_model.index(position, std::max(currentIndex().column(), 0));
    setCurrentIndex(target);
    scrollTo(target);
    return true;
}

void VocabGrid::showSourceCurrent()
{
    moveToPosition(m_model.currentRow());
}

} // namespace lexmint
