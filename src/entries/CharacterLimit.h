#pragma once

#include <QValidator>

namespace lexmint {

/// Keeps the text of a line edit within a number of characters, counted as the entry rules
/// count them. What is typed or pasted beyond the limit is dropped from its end, never in the
/// middle of a character.
class CharacterLimit final : public QValidator {
    Q_OBJECT

public:
    explicit CharacterLimit(qsizetype limit, QObject* parent = nullptr);

    qsizetype limit() const { return m_limit; }
    State validate(QString& input, int& pos) const override;

private:
    qsizetype m_limit;
};

} // namespace lexmint
