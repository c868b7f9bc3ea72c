#include "store/EntryText.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestEntryText : public QObject {
    Q_OBJECT

private slots:
    void linesAreSplitAtEveryKindOfBreakAndTrimmed();
    void overlongLinesAreCutAtWholeCharacters();
};

void TestEntryText::linesAreSplitAtEveryKindOfBreakAndTrimmed()
{
    const QStringList oneTwo{u"one"_s, u"two"_s};
    QCOMPARE(entrytext::definitionLines(u"one\r\n\r\n  two  "_s), oneTwo);
    QCOMPARE(entrytext::definitionLines(u"one\rtwo"_s), oneTwo);
    QCOMPARE(entrytext::definitionLines(u"one\u2028two"_s), oneTwo);
    QCOMPARE(entrytext::definitionLines(u" to  go\n\t"_s), QStringList{u"to  go"_s});
}

void TestEntryText::overlongLinesAreCutAtWholeCharacters()
{
    const QString hundred(100, u'a');
    // A character of two UTF-16 units counts once and is never cut in half.
    const QString emoji = u"\U0001F600"_s;
    const QStringList lines{u"short"_s, hundred + u'b', emoji.repeated(100),
                            QString(99, u'a') + emoji + u'z'};
    QCOMPARE(entrytext::overlongLines(lines), (QList<qsizetype>{1, 3}));
    QStringList cut;
    for (const QString& line : lines)
        cut.append(entrytext::truncated(line));
    QCOMPARE(cut,
             (QStringList{u"short"_s, hundred, emoji.repeated(100), QString(99, u'a') + emoji}));
}

QTEST_GUILESS_MAIN(TestEntryText)

#include "TestEntryText.moc"
