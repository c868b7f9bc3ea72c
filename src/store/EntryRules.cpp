#include "EntryRules.h"

namespace lexmint::entryrules {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool checkHeadword(const QString& headword, int declaredSize, StoreError* error)
{
    if (isBlank(headword))
        return fail(error, StoreError::Kind::InvalidValue,
                    QStringLiteral("A headword cannot be empty."));
    if (declaredSize > 0 && headword.size() > declaredSize)
        return fail(error, StoreError::Kind::InvalidValue,
                    QStringLiteral("A headword can be at most %1 characters long.")
                        .arg(declaredSize));
    return true;
}

bool checkDefinition(const QString& line, StoreError* error)
{
    if (isBlank(line))
        return fail(error, StoreError::Kind::InvalidValue,
                    QStringLiteral("A definition line cannot be empty."));
    if (line.size() > MaxDefinitionLength)
        return fail(error, StoreError::Kind::InvalidValue,
                    QStringLiteral("A definition line can be at most %1 characters long.")
                        .arg(MaxDefinitionLength));
    return true;
}

} // namespace lexmint::entryrules
