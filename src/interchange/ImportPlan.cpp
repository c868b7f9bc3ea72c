#include "interchange/ImportPlan.h"

#include "interchange/DelimitedReader.h"
#include "interchange/DelimitedText.h"
#include "interchange/FlashCardReader.h"
#include "interchange/KvtmlReader.h"
#include "interchange/TextDecoder.h"

#include <algorithm>

#include <QCoreApplication>

namespace lexmint {

namespace {

// Reads the file into a table, recording in `plan` what was chosen or found.
SourceTable readTable(const QByteArray& bytes, const ImportSettings& settings, ImportPlan& plan)
{
    if (plan.kind == FileKind::Kvtml)
        return kvtmlreader::read(bytes);

    const DecodedText decoded = textdecoder::decode(bytes, settings.encoding);
    plan.encoding = decoded.encoding;
    if (!decoded.ok()) {
        SourceTable failed;
        failed.error = decoded.error;
        failed.errorLine = decoded.errorLine;
        return failed;
    }
    if (plan.kind == FileKind::FlashCard) {
        FlashCardText text = flashcardreader::read(decoded.text, settings.separator, settings.html);
        plan.separator = text.separator;
        plan.html = text.html;
        plan.htmlFound = text.htmlFound;
        return std::move(text.table);
    }
    const QChar usual = plan.kind == FileKind::Tsv ? QChar(u'\t') : QChar(u',');
    plan.separator =
        settings.separator.value_or(delimitedtext::detectSeparator(decoded.text).value_or(usual));
    SourceTable table = delimitedreader::read(decoded.text, plan.separator, settings.header);
    plan.header = !table.columns.isEmpty();
    return table;
}

QString mappingError(const ColumnMapping& mapping, qsizetype columnCount)
{
    const auto outside = [columnCount](int column) { return column < 0 || column >= columnCount; };
    if (outside(mapping.headwordColumn)
        || std::any_of(mapping.definitionColumns.cbegin(), mapping.definitionColumns.cend(),
                       outside))
        return QCoreApplication::translate(
                   "lexmint::ImportPlan",
                   "The file has %1 columns; the chosen columns are not among them.")
            .arg(columnCount);
    return {};
}

QStringList definitionFields(const SourceRecord& record, const ColumnMapping& mapping)
{
    QStringList fields;
    if (mapping.definitionColumns.isEmpty()) {
        for (qsizetype i = 0; i < record.fields.size(); ++i) {
            if (i != mapping.headwordColumn)
                fields.append(record.fields.at(i));
        }
        return fields;
    }
    for (const int column : mapping.definitionColumns)
        fields.append(record.fields.value(column));
    return fields;
}

// The statistics a row brings: those of its headword, else those of its definitions.
std::optional<EntryStatistics> statisticsOf(const SourceRecord& record,
                                            const ColumnMapping& mapping)
{
    if (const auto own = record.statistics.value(mapping.headwordColumn))
        return own;
    for (const int column : mapping.definitionColumns) {
        if (const auto other = record.statistics.value(column))
            return other;
    }
    return std::nullopt;
}

} // namespace

qsizetype ImportPlan::acceptedCount() const
{
    return std::count_if(entries.cbegin(), entries.cend(),
                         [](const ImportedEntry& entry) { return entry.accepted(); });
}

QList<RefusedRow> ImportPlan::refusedRows() const
{
    QList<RefusedRow> refused = unreadable;
    for (const ImportedEntry& entry : entries) {
        if (!entry.accepted())
            refused.append({entry.line, entry.refusal});
    }
    sortByLine(refused);
    return refused;
}

QList<VocabularyEntry> ImportPlan::acceptedEntries() const
{
    QList<VocabularyEntry> accepted;
    accepted.reserve(entries.size());
    for (const ImportedEntry& entry : entries) {
        if (entry.accepted())
            accepted.append(
                {entry.headword, entry.lines, entry.statistics.value_or(EntryStatistics())});
    }
    return accepted;
}

ImportPlan planImport(const QByteArray& bytes, const QString& fileName,
                      const ImportSettings& settings, int headwordSize)
{
    ImportPlan plan;
    plan.kind = settings.kind.value_or(fileKindOf(fileName).value_or(sniffFileKind(bytes)));
    if (plan.kind == FileKind::Vocabulary) {
        plan.error = QCoreApplication::translate("lexmint::ImportPlan",
                                                 "A vocabulary is not a word list to import.");
        return plan;
    }
    SourceTable table = readTable(bytes, settings, plan);
    if (!table.ok()) {
        plan.error = table.error;
        plan.errorLine = table.errorLine;
        return plan;
    }
    if (table.records.isEmpty() && table.unreadable.isEmpty()) {
        plan.error =
            QCoreApplication::translate("lexmint::ImportPlan", "The file holds no rows to import.");
        return plan;
    }
    plan.unreadable = std::move(table.unreadable);
    plan.notes = std::move(table.notes);
    const int columnCount = std::max(table.columnCount(), 1);
    plan.columns = table.columns.mid(0, columnCount);
    for (qsizetype i = 0; i < columnCount; ++i) {
        if (i >= plan.columns.size())
            plan.columns.append(QString());
        if (plan.columns.at(i).trimmed().isEmpty())
            plan.columns[i] =
                QCoreApplication::translate("lexmint::ImportPlan", "Column %1").arg(i + 1);
    }
    const ColumnMapping usual = table.usualMapping.value_or(ColumnMapping());
    plan.mapping = {settings.headwordColumn.value_or(usual.headwordColumn),
                    settings.definitionColumns.value_or(usual.definitionColumns),
                    settings.splitAt.value_or(usual.splitAt)};
    plan.error = mappingError(plan.mapping, columnCount);
    if (!plan.ok())
        return plan;

    plan.entries.reserve(table.records.size());
    for (const SourceRecord& record : std::as_const(table.records)) {
        ImportedEntry entry = importedEntry(
            record.line, record.fields.value(plan.mapping.headwordColumn),
            definitionFields(record, plan.mapping), plan.mapping.splitAt, headwordSize);
        entry.statistics = statisticsOf(record, plan.mapping);
        plan.entries.append(std::move(entry));
    }
    return plan;
}

ImportPlan planFromEntries(const QList<VocabularyEntry>& entries, int headwordSize)
{
    ImportPlan plan;
    plan.kind = FileKind::Vocabulary;
    plan.entries.reserve(entries.size());
    int line = 0;
    for (const VocabularyEntry& source : entries) {
        ImportedEntry entry =
            importedEntry(++line, source.headword, source.lines, {}, headwordSize);
        entry.statistics = source.statistics;
        plan.entries.append(std::move(entry));
    }
    return plan;
}

} // namespace lexmint
