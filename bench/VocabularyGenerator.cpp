#include "VocabularyGenerator.h"

namespace lexmint::bench {

namespace {

// Each letter appears about as often as in running text.
constexpr QStringView Letters = u"eeeeeeeeeeeettttttttaaaaaaaaoooooooiiiiiiinnnnnnnssssss"
                                u"hhhhhrrrrrrddddlllluuucccmmmwwffggyyppbbvkjxqz";
constexpr QStringView Accented = u"áéñöüçß";

} // namespace

VocabularyGenerator::VocabularyGenerator(quint32 seed) : m_random(seed) {}

int VocabularyGenerator::between(int low, int high)
{
    return m_random.bounded(low, high + 1);
}

bool VocabularyGenerator::chance(int percent)
{
    return m_random.bounded(100) < percent;
}

QString VocabularyGenerator::word(int minLength, int maxLength, int accentPercent)
{
    // Two dice make middle lengths the most common, as in real words.
    const int span = maxLength - minLength;
    const int length = minLength + between(0, span / 2) + between(0, span - span / 2);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(Letters.at(m_random.bounded(Letters.size())));
    if (chance(accentPercent)) {
        // A third of the accented words start with the accented letter.
        const int at = chance(33) ? 0 : between(0, length - 1);
        text[at] = Accented.at(m_random.bounded(Accented.size()));
    }
    return text;
}

GeneratedEntry VocabularyGenerator::nextEntry()
{
    GeneratedEntry entry;
    entry.headword = word(3, 14, 10);
    if (chance(15))
        entry.headword[0] = entry.headword.at(0).toUpper();
    const int lineCount = between(1, 4);
    for (int line = 0; line < lineCount; ++line) {
        QStringList words;
        const int wordCount = between(2, 6);
        for (int i = 0; i < wordCount; ++i)
            words.append(word(2, 8, 2));
        entry.lines.append(words.join(u' '));
    }
    return entry;
}

QList<GeneratedEntry> VocabularyGenerator::entries(int count)
{
    QList<GeneratedEntry> result;
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(nextEntry());
    return result;
}

std::optional<GeneratedStatistics> VocabularyGenerator::nextStatistics(QDate today)
{
    if (chance(30))
        return std::nullopt;
    GeneratedStatistics statistics;
    statistics.lastTestedOn = today.addDays(-between(0, 365));
    statistics.tested = between(1, 20);
    statistics.correct = between(0, statistics.tested);
    statistics.lastOk = statistics.correct == 0   ? 0
        : statistics.correct == statistics.tested ? 1
                                                  : between(0, 1);
    return statistics;
}

QList<GeneratedAnswer> VocabularyGenerator::nextAnswers(const QDateTime& now)
{
    constexpr qint64 DayMs = 24 * 60 * 60 * 1000;
    const int count = between(2, 18);
    qint64 moment = now.toMSecsSinceEpoch() - qint64(between(30, 730)) * DayMs;
    QList<GeneratedAnswer> answers;
    for (int i = 0; i < count && moment < now.toMSecsSinceEpoch(); ++i) {
        answers.append({moment, between(1, 6) > 1, qint64(between(800, 25'000))});
        moment +=
            qint64(between(0, 1 << std::min(i, 6))) * DayMs + between(0, DayMs / 1000) * 1000LL;
    }
    return answers;
}

} // namespace lexmint::bench
