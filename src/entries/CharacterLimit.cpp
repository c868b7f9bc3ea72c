#include "entries/CharacterLimit.h"

#include "store/EntryRules.h"

namespace lexmint {

CharacterLimit::CharacterLimit(qsizetype limit, QObject* parent)
    : QValidator(parent), m_limit(limit)
{
}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const
{
    using entryrules::characterCount;
    using entryrules::firstCharacters;
    const qsizetype excess = characterCount(input) - m_limit;
    if (excess <= 0)
        return Acceptable;
    // The text just typed or pasted ends at the cursor: its end goes.
    const QString before = input.left(pos);
    const QString kept =
        firstCharacters(before, std::max<qsizetype>(characterCount(before) - excess, 0));
    input = firstCharacters(kept + input.mid(pos), m_limit);
    pos = static_cast<int>(std::min(kept.size(), input.size()));
    return Acceptable;
}

} // namespace lexmint
