#include "app/VocabularyModel.h"

#include "platform/MessageService.h"
#include "store/DataSource.h"
#include "store/EntryText.h"

#include <algorithm>

namespace lexmint {

namespace {

// The data sheet's columns, named in the user's language.
constexpr const char* ColumnCaptions[] = {
    QT_TRANSLATE_NOOP("lexmint::VocabularyModel", "Headword"),
    QT_TRANSLATE_NOOP("lexmint::VocabularyModel", "Definition")};

} // namespace

VocabularyModel::VocabularyModel(DataSource& source, MessageService& messages, QObject* parent)
    : QAbstractTableModel(parent), m_source(source), m_messages(messages)
{
    m_columns = m_source.columns();
    m_rowCount = m_source.recordCount();
}

void VocabularyModel::reload()
{
    beginResetModel();
    m_pages.clear();
    m_columns = m_source.columns();
    m_rowCount = m_source.recordCount();
    endResetModel();
}

int VocabularyModel::currentRow() const
{
    return m_source.absolutePosition();
}

bool VocabularyModel::setCurrentRow(int row)
{
    return row == m_source.absolutePosition() || m_source.setAbsolutePosition(row);
}

int VocabularyModel::cachedRowCount() const
{
    int rows = 0;
    for (const Page& page : m_pages)
        rows += int(page.rows.size());
    return rows;
}

int VocabularyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int VocabularyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariantList VocabularyModel::rowValues(int row) const
{
    const int pageNumber = row / PageSize;
    auto page = m_pages.find(pageNumber);
    if (page == m_pages.end()) {
        if (m_pages.size() >= MaxCachedPages) {
            const auto oldest =
                std::min_element(m_pages.begin(), m_pages.end(), [](const Page& a, const Page& b) {
                    return a.lastUse < b.lastUse;
                });
            m_pages.erase(oldest);
        }
        page = m_pages.insert(pageNumber, {m_source.rows(pageNumber * PageSize, PageSize), 0});
    }
    page->lastUse = ++m_useCounter;
    // The page may be short when the file lost rows behind the program's back.
    return page->rows.value(row % PageSize);
}

QVariant VocabularyModel::value(int row, int column) const
{
    return rowValues(row).value(column);
}

QVariant VocabularyModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::EditRole)
        return value(index.row(), index.column());
    if (role != Qt::DisplayRole)
        return {};
    const QVariant shown = value(index.row(), index.column());
    if (shown.typeId() != QMetaType::QString)
        return shown;
    const int limit = m_textLimit ? m_textLimit(index.column()) : 0;
    return entrytext::shownText(shown.toString(), limit > 0 ? limit : entryrules::MaxFieldLength);
}

QVariant VocabularyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The row header is a record selector and carries no text.
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    const QString column = m_columns.value(section);
    for (const char* caption : ColumnCaptions) {
        if (column == QLatin1StringView(caption))
            return tr(caption);
    }
    return column;
}

Qt::ItemFlags VocabularyModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != IdColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool VocabularyModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    // Leaving a cell unchanged writes nothing, even where the stored text breaks a rule
    // that was not in force when it was written.
    if (value.toString() == data(index, Qt::EditRole).toString())
        return true;

    const bool headword = index.column() == HeadwordColumn;
    // Where the entry stands is read before the write moves it.
    const std::pair<int, int> entry = headword ? entryRows(row) : std::pair(row, row);
    StoreError error;
    if (!write(row, index.column(), value, &error)) {
        reportRefusal(error);
        return false;
    }
    if (headword) {
        moveEntry(row, entry);
    } else {
        m_pages.remove(row / PageSize);
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

std::pair<int, int> VocabularyModel::entryRows(int row) const
{
    const QVariant id = value(row, IdColumn);
    int first = row;
    while (first > 0 && value(first - 1, IdColumn) == id)
        --first;
    int last = row;
    while (last + 1 < m_rowCount && value(last + 1, IdColumn) == id)
        ++last;
    return {first, last};
}

bool VocabularyModel::write(int row, int column, const QVariant& value, StoreError* error)
{
    if (!m_source.setAbsolutePosition(row) || !m_source.edit())
        return fail(error, StoreError::Kind::RowMissing,
                    tr("The entry is no longer in the vocabulary."));
    m_source.setValue(m_columns.at(column), value);
    return m_source.update(error);
}

void VocabularyModel::moveEntry(int editedRow, std::pair<int, int> oldRows)
{
    const auto [first, last] = oldRows;
    const int newRow = m_source.absolutePosition();
    if (newRow < 0) {
        reload();
        return;
    }
    const int newFirst = newRow - (editedRow - first);
    if (newFirst != first) {
        // Qt counts the destination among the rows before the move.
        const int destination = newFirst < first ? newFirst : newFirst + (last - first + 1);
        beginMoveRows({}, first, last, {}, destination);
        m_pages.clear();
        endMoveRows();
    } else {
        m_pages.clear();
    }
    // Every line of the entry shows the new headword.
    emit dataChanged(index(newFirst, HeadwordColumn),
                     index(newFirst + last - first, HeadwordColumn),
                     {Qt::DisplayRole, Qt::EditRole});
}

void VocabularyModel::reportRefusal(const StoreError& error) const
{
    Message message;
    message.text = error.description;
    message.title = error.kind == StoreError::Kind::InvalidValue ? tr("Bad Entry") : QString();
    message.icon = MessageIcon::Exclamation;
    message.buttons = MessageButtons::Ok;
    m_messages.show(message);
}

} // namespace lexmint
