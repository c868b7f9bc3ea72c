#include "drill/TestRun.h"

#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "store/DataSource.h"
#include "store/AnswerLog.h"
#include "store/Database.h"
#include "store/VocabularyFile.h"

#include <cmath>
#include <limits>
#include <utility>

#include <QCoreApplication>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {

// The file is written by other programs too, so a count may already be at its limit.
qint64 plusOne(qint64 count)
{
    return count < std::numeric_limits<qint64>::max() ? count + 1 : count;
}

} // namespace

QString TestEntry::ratioText() const
{
    if (tested <= 0)
        return {};
    // In floating point the product cannot overflow, and for any count a program could reach
    // (below 2^40 answers) the quotient is exact enough that only true halves round up.
    const double percent =
        std::floor(static_cast<double>(correct) * 100.0 / static_cast<double>(tested) + 0.5);
    return QString::number(percent, 'f', 0) + u'%';
}

TestRun::TestRun(DataSource& testWords, const AnswerJudge& judge, MessageService& messages,
                 const Clock& clock)
    : m_testWords(testWords), m_judge(judge), m_messages(messages), m_clock(clock)
{
}

bool TestRun::start(const QString& mode)
{
    m_mode = mode;
    m_tested = 0;
    m_correct = 0;
    m_count = 0;
    m_unsavedReported = false;
    m_correctable = false;
    m_testWords.setRecordSource(mode);
    StoreError error;
    if (!m_testWords.refresh(&error)) {
        if (error.kind == StoreError::Kind::TooSlow)
            vocabularyfile::leaveOut(*m_testWords.database(), mode, m_messages);
        else
            m_messages.show({QCoreApplication::translate(
                                 "lexmint::TestRun", "The test mode '%1' could not be read.\r\n%2")
                                 .arg(mode, error.description),
                             QString(), MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    // The source reads which entries the mode returns once, here; that fixes the run.
    m_count = m_testWords.recordCount();
    if (m_count == 0) {
        m_messages.show(
            {QCoreApplication::translate("lexmint::TestRun", "No records in mode '%1'").arg(mode),
             QString(), MessageIcon::None, MessageButtons::Ok});
        return false;
    }
    m_shownAt = m_clock.now();
    return true;
}

bool TestRun::hasEnded() const
{
    return m_testWords.isEof();
}

int TestRun::position() const
{
    return hasEnded() ? -1 : m_testWords.absolutePosition();
}

TestEntry TestRun::current() const
{
    if (hasEnded() || !m_testWords.hasCurrent())
        return {};
    TestEntry entry;
    entry.id = m_testWords.value(u"ID"_s).toLongLong();
    entry.headword = m_testWords.value(u"Headword"_s).toString();
    entry.lastTestedOn = m_testWords.value(u"LastTestedOn"_s);
    entry.tested = m_testWords.value(u"Tested"_s).toLongLong();
    entry.correct = m_testWords.value(u"Correct"_s).toLongLong();
    entry.lastOK = m_testWords.value(u"LastOK"_s).toInt();
    return entry;
}

TestRun::Verdict TestRun::answer(const QString& text)
{
    const TestEntry entry = current();
    const bool right = m_judge.isRight(text, entry.headword);
    StoreError error;
    const bool written = writeAnswer(entry, right, &error);
    if (!written && error.kind == StoreError::Kind::RowMissing) {
        // Deleted by another program after it was shown: there is nothing left to count.
        reportUnsavedAnswer(QCoreApplication::translate(
            "lexmint::TestRun", "The entry is no longer in the vocabulary."));
        return Verdict::EntryGone;
    }
    if (!written)
        reportUnsavedAnswer(error.description);
    ++m_tested;
    if (right)
        ++m_correct;
    m_correctable = written && !right;
    return right ? Verdict::Right : Verdict::Wrong;
}

bool TestRun::countLastAnswerAsRight()
{
    if (!std::exchange(m_correctable, false) || hasEnded())
        return false;
    const TestEntry entry = current();
    StoreError error;
    Database* db = m_testWords.database();
    bool written = false;
    if (m_testWords.edit() && db) {
        m_testWords.setValue(u"Correct"_s, plusOne(entry.correct));
        m_testWords.setValue(u"LastOK"_s, 1);
        // The recorded answer and the memory state it led to are corrected with the counts.
        written = inTransaction(*db, &error, [&] {
            return m_testWords.update(&error)
                && AnswerLog(*db).countLastAnswerAsRight(entry.id, &error);
        });
    }
    if (!written) {
        reportUnsavedAnswer(error.description);
        return false;
    }
    ++m_correct;
    return true;
}

QList<AnswerPiece> TestRun::differences(const QString& typed) const
{
    return compareAnswer(typed, current().headword, [this](const QString& a, const QString& b) {
        return m_judge.isRight(a, b);
    });
}

bool TestRun::writeAnswer(const TestEntry& entry, bool right, StoreError* error)
{
    Database* db = m_testWords.database();
    if (!m_testWords.edit() || !db)
        return fail(error, StoreError::Kind::RowMissing, QString());
    m_testWords.setValue(u"LastTestedOn"_s, m_clock.today());
    m_testWords.setValue(u"Tested"_s, plusOne(entry.tested));
    if (right)
        m_testWords.setValue(u"Correct"_s, plusOne(entry.correct));
    m_testWords.setValue(u"LastOK"_s, right ? 1 : 0);
    const QDateTime now = m_clock.now();
    const qint64 duration = m_shownAt.msecsTo(now);
    const schedule::Answer answer{now, right,
                                  duration >= 0 ? std::optional<qint64>(duration) : std::nullopt};
    return inTransaction(*db, error, [&] {
        return m_testWords.update(error) && AnswerLog(*db).record(entry.id, answer, error);
    });
}

void TestRun::next()
{
    m_correctable = false;
    m_testWords.clearReadError();
    while (m_testWords.moveNext() && !m_testWords.hasCurrent()) {
    }
    if (const StoreError& error = m_testWords.readError())
        m_messages.show({QCoreApplication::translate(
                             "lexmint::TestRun",
                             "The next entry could not be read, so the test ends here.\r\n%1")
                             .arg(error.description),
                         QString(), MessageIcon::Exclamation, MessageButtons::Ok});
    m_shownAt = m_clock.now();
}

void TestRun::reportUnsavedAnswer(const QString& reason)
{
    // Once per run: the cause (a read-only or full disk, a removed file) usually lasts, and a
    // message after every answer would make the test unusable.
    if (std::exchange(m_unsavedReported, true))
        return;
    m_messages.show(
        {QCoreApplication::translate("lexmint::TestRun",
                                     "This answer could not be saved in the vocabulary.\r\n%1\r\n"
                                     "The test goes on, but answers that cannot be "
                                     "saved leave their entries as they were.")
             .arg(reason),
         QCoreApplication::translate("lexmint::TestRun", "Answer Not Saved"),
         MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace lexmint
