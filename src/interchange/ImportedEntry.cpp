#include "interchange/ImportedEntry.h"

#include "store/EntryText.h"
#include "store/EntryRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace lexmint {

namespace {

QString normalized(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C);
}

bool hasLineBreak(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), entrytext::isLineBreak);
}

QString refusalOf(const ImportedEntry& entry, int headwordSize)
{
    if (entry.headword.isEmpty())
        return QCoreApplication::translate("lexmint::ImportedEntry", "The headword is empty.");
    if (hasLineBreak(entry.headword))
        return QCoreApplication::translate("lexmint::ImportedEntry",
                                           "The headword runs over more than one line.");
    StoreError error;
    if (!entryrules::checkHeadword(entry.headword, headwordSize, &error))
        return error.description;
    if (entry.lines.isEmpty())
        return QCoreApplication::translate("lexmint::ImportedEntry", "There is no definition.");
    if (entrytext::tooManyLines(entry.lines))
        return QCoreApplication::translate(
                   "lexmint::ImportedEntry",
                   "There are %1 definition lines; an entry holds at most %2.")
            .arg(entry.lines.size())
            .arg(entryrules::MaxDefinitionLines);
    for (const QString& line : entry.lines) {
        if (!entryrules::checkDefinition(line, &error))
            return error.description;
    }
    return {};
}

} // namespace

ImportedEntry importedEntry(int line, const QString& headword, const QStringList& definitionFields,
                            const QString& splitAt, int headwordSize)
{
    ImportedEntry entry;
    entry.line = line;
    entry.headword = normalized(headword).trimmed();
    for (const QString& field : definitionFields) {
        const QString text = normalized(field);
        const QStringList pieces = splitAt.isEmpty() ? QStringList{text} : text.split(splitAt);
        for (const QString& piece : pieces)
            entry.lines += entrytext::definitionLines(piece);
    }
    entry.refusal = refusalOf(entry, headwordSize);
    return entry;
}

} // namespace lexmint
