#include "EntryRules.h"

#include <QCoreApplication>

namespace lexmint::entryrules {

namespace {

// How many UTF-16 units the character at `i` takes.
qsizetype unitsAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += unitsAt(text, i))
        ++count;
    return count;
}

QString firstCharacters(const QString& text, qsizetype count)
{
    qsizetype end = 0;
    for (; end < text.size() && count > 0; --count)
        end += unitsAt(text, end);
    return text.left(end);
}

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool checkHeadword(const QString& headword, int declaredSize, StoreError* error)
{
    if (isBlank(headword))
        return fail(
            error, StoreError::Kind::InvalidValue,
            QCoreApplication::translate("lexmint::EntryRules", "A headword cannot be empty."));
    if (declaredSize > 0 && characterCount(headword) > declaredSize)
        return fail(error, StoreError::Kind::InvalidValue,
                    QCoreApplication::translate("lexmint::EntryRules",
                                                "A headword can be at most %1 characters long.")
                        .arg(declaredSize));
    return true;
}

bool checkDefinition(const QString& line, StoreError* error)
{
    if (isBlank(line))
        return fail(error, StoreError::Kind::InvalidValue,
                    QCoreApplication::translate("lexmint::EntryRules",
                                                "A definition line cannot be empty."));
    if (characterCount(line) > MaxDefinitionLength)
        return fail(
            error, StoreError::Kind::InvalidValue,
            QCoreApplication::translate("lexmint::EntryRules",
                                        "A definition line can be at most %1 characters long.")
                .arg(MaxDefinitionLength));
    return true;
}

} // namespace lexmint::entryrules
