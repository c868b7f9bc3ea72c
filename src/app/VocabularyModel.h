#pragma once

#include <QAbstractTableModel>
#include <QHash>

#include <functional>

#include <utility>

namespace lexmint {

class DataSource;
class MessageService;
struct StoreError;

/// The rows of the "Vocabulary" data source for the data sheet: one row per definition line,
/// with the columns Headword, Definition and ID. Rows are read from the source in pages as
/// the view asks for them, and only a bounded number of pages is kept, so that a vocabulary
/// of any size opens at once and takes the same memory.
///
/// Headword and Definition can be edited in place; the value is written through the source,
/// which checks it against the entry rules. A refused value is reported to the user and
/// nothing is written.
///
/// A text longer than its column's limit (text from elsewhere can be megabytes long) is shown
/// cut, ending in an ellipsis; it is edited whole.
class VocabularyModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    /// The columns of the source, in the order the data sheet relies on.
    enum Column { HeadwordColumn, DefinitionColumn, IdColumn };

    static constexpr int PageSize = 64;
    static constexpr int MaxCachedPages = 16;

    VocabularyModel(DataSource& source, MessageService& messages, QObject* parent = nullptr);

    DataSource& source() const { return m_source; }
    /// The most characters each column takes (0: no limit of its own), for showing texts.
    void setTextLimit(std::function<int(int column)> limit) { m_textLimit = std::move(limit); }
    /// Shows the source afresh after it was refreshed, attached or detached.
    void reload();

    /// The source's current row; -1 when there is none.
    int currentRow() const;
    /// Makes `row` the source's current row, so that finds and edits start from the row the
    /// user sees.
    bool setCurrentRow(int row);

    /// How many rows are held in memory.
    int cachedRowCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Writes a cell. The edited row becomes the source's current row. A changed headword
    /// moves its entry's rows to their new place in dictionary order (rowsMoved), so that
    /// persistent indexes, among them the view's current cell, follow the edited entry.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Page {
        QList<QVariantList> rows;
        quint64 lastUse = 0;
    };

    QVariantList rowValues(int row) const;
    QVariant value(int row, int column) const;
    /// First and last row of the entry shown at `row`: an entry's lines stand together.
    std::pair<int, int> entryRows(int row) const;
    bool write(int row, int column, const QVariant& value, StoreError* error);
    void moveEntry(int editedRow, std::pair<int, int> oldRows);
    void reportRefusal(const StoreError& error) const;

    DataSource& m_source;
    MessageService& m_messages;
    std::function<int(int column)> m_textLimit;
    QStringList m_columns;
    int m_rowCount = 0;
    mutable QHash<int, Page> m_pages;
    mutable quint64 m_useCounter = 0;
};

} // namespace lexmint
