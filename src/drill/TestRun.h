#pragma once

#include "drill/AnswerDiff.h"
#include "drill/AnswerJudge.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace lexmint {

class Clock;
class DataSource;
class MessageService;
struct StoreError;

/// One entry of a test as the test window shows it.
struct TestEntry {
    qint64 id = 0;
    QString headword;
    /// The day of the last answer; the day the entry was made while it was never answered.
    QVariant lastTestedOn;
    qint64 tested = 0;
    qint64 correct = 0;
    /// 1: the last answer was right, 0: wrong, -1: never answered.
    int lastOK = -1;

    /// The share of right answers in whole percent, halves rounded up, followed by "%";
    /// empty while the entry was never answered.
    QString ratioText() const;
};

/// One run of a test: the entries of a test mode, in the mode's order, each answered or
/// skipped once. Which entries belong to the run, and how many, is fixed when it starts; an
/// answer that takes an entry out of its mode changes neither.
///
/// Each answer is judged and written at once: into the entry's statistics, as an answer with
/// its moment and the time it took, and into the entry's memory state, all in one transaction.
/// When that write fails, the user is told once per run and the run goes on; the entry keeps
/// what it had, since all of it is written or none. A run whose entries cannot be read is never
/// taken for one without entries: the user is told why.
class TestRun {
public:
    /// Runs over the rows of `testWords` (the main window's source of test modes).
    TestRun(DataSource& testWords, const AnswerJudge& judge, MessageService& messages,
            const Clock& clock);

    /// Starts a new run of `mode` at its first entry with both counters at zero. A mode
    /// without entries, or one that cannot be read, is reported and gives an ended run.
    /// Returns whether the run has entries.
    bool start(const QString& mode);

    const QString& mode() const { return m_mode; }
    /// Every entry has been answered or skipped (or there was none).
    bool hasEnded() const;
    /// The number of entries of the run, as fixed at its start.
    int count() const { return m_count; }
    /// The 0-based position of the current entry; -1 once the run has ended.
    int position() const;
    /// The current entry, as the file holds it now; empty once the run has ended.
    TestEntry current() const;

    /// Answers given and right answers in this run.
    qint32 testedCount() const { return m_tested; }
    qint32 correctCount() const { return m_correct; }

    enum class Verdict {
        Right,
        Wrong,
        /// The entry was deleted by another program while it was shown; nothing was counted.
        EntryGone,
    };

    /// Judges `text` as the answer for the current entry, counts it, and writes the entry's
    /// statistics: today as the day of its last test, one answer more, one right answer more
    /// when right, and whether it was right; records the answer with the time since the entry
    /// was reached and moves the entry's memory state on. Stays on the entry; next() moves on.
    Verdict answer(const QString& text);
    /// Moves to the next entry of the run, passing over entries deleted meanwhile. When the
    /// next entry cannot be read, the user is told why and the run ends there.
    void next();

    /// `typed` set against the current entry's headword, with the judge's idea of which
    /// characters are the same.
    QList<AnswerPiece> differences(const QString& typed) const;

    /// Counts the wrong answer just given for the current entry as a right one ("that was a
    /// typo"): the entry's right answers go up by one, its last answer becomes right and its
    /// memory state is computed as after a right answer, in one transaction; the number of
    /// answers stays. Does nothing unless the current entry's answer was
    /// wrong and written. Returns whether the answer now counts as right.
    bool countLastAnswerAsRight();

private:
    void reportUnsavedAnswer(const QString& reason);
    bool writeAnswer(const TestEntry& entry, bool right, StoreError* error);

    DataSource& m_testWords;
    AnswerJudge m_judge;
    MessageService& m_messages;
    const Clock& m_clock;
    QString m_mode;
    int m_count = 0;
    qint32 m_tested = 0;
    qint32 m_correct = 0;
    bool m_unsavedReported = false;
    /// The current entry's answer was wrong and is in the file: it may still count as right.
    bool m_correctable = false;
    /// When the current entry was reached, which is when the window shows it.
    QDateTime m_shownAt;
};

} // namespace lexmint
