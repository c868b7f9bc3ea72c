#pragma once

#include <QDate>
#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

#include <optional>

namespace lexmint::bench {

/// One entry as a user types it.
struct GeneratedEntry {
    QString headword;
    QStringList lines;
};

/// What drilling has left in an entry.
struct GeneratedStatistics {
    QDate lastTestedOn;
    int tested = 0;
    int correct = 0;
    int lastOk = -1;
};

/// One answer given in a test.
struct GeneratedAnswer {
    qint64 momentMs = 0; ///< UTC, milliseconds since 1970
    bool right = false;
    qint64 durationMs = 0;
};

/// Makes the same pseudo-random vocabulary on every run. Headwords have 3 to 14 letters drawn
/// in the frequencies of a European language; a tenth of them carry accented letters and some
/// are capitalised. Entries have 1 to 4 definition lines (2.5 on average) of 2 to 6 short words.
class VocabularyGenerator {
public:
    explicit VocabularyGenerator(quint32 seed);

    GeneratedEntry nextEntry();
    QList<GeneratedEntry> entries(int count);
    /// Statistics of an entry drilled in the past year, or nothing for one never tested.
    std::optional<GeneratedStatistics> nextStatistics(QDate today);
    /// The answers of an entry drilled over the past two years, oldest first: 2 to 18 of them
    /// (10 on average) at growing intervals, five in six right.
    QList<GeneratedAnswer> nextAnswers(const QDateTime& now);

private:
    int between(int low, int high);
    bool chance(int percent);
    QString word(int minLength, int maxLength, int accentPercent);

    QRandomGenerator m_random;
};

} // namespace lexmint::bench
