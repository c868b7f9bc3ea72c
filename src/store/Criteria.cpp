#include "Criteria.h"

#include <QRegularExpression>

namespace lexmint {

namespace {

struct TextForm {
    QLatin1String prefix;
    Criteria::Op op;
};

constexpr TextForm TextForms[] = {
    {QLatin1String("Headword = \""), Criteria::Op::HeadwordEquals},
    {QLatin1String("Headword >= \""), Criteria::Op::HeadwordAtLeast},
    {QLatin1String("Headword < \""), Criteria::Op::HeadwordBelow},
    {QLatin1String("Headword LIKE \""), Criteria::Op::HeadwordLike},
};

// The text between the opening quote and the closing one, with doubled quotes made single;
// nothing when a quote stands alone inside or the closing quote is missing or not last.
std::optional<QString> unquote(QStringView quoted)
{
    if (quoted.isEmpty() || quoted.back() != u'"')
        return std::nullopt;
    quoted.chop(1);
    QString text;
    text.reserve(quoted.size());
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == u'"') {
            if (i + 1 >= quoted.size() || quoted[i + 1] != u'"')
                return std::nullopt;
            ++i;
        }
        text.append(quoted[i]);
    }
    return text;
}

} // namespace

std::optional<Criteria> Criteria::parse(const QString& criteria)
{
    static const QRegularExpression idForm(QStringLiteral("^ID = (-?\\d{1,18})$"));
    if (const auto match = idForm.match(criteria); match.hasMatch())
        return Criteria{Op::IdEquals, match.captured(1).toLongLong(), {}};
    for (const TextForm& form : TextForms) {
        if (!criteria.startsWith(form.prefix))
            continue;
        auto text = unquote(QStringView(criteria).mid(form.prefix.size()));
        if (!text)
            return std::nullopt;
        return Criteria{form.op, 0, std::move(*text)};
    }
    return std::nullopt;
}

QString quoteForCriteria(const QString& text)
{
    QString quoted = text;
    return quoted.replace(u'"', QStringLiteral("\"\""));
}

} // namespace lexmint
