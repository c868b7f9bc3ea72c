#include "store/EntryText.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestEntryText : public QObject {
    Q_OBJECT

private slots:
    void definitionLines_data();
    void definitionLines();
    void overlongLinesAreCutAtWholeCharacters();
};

void TestEntryText::definitionLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF, empty line, blanks around and inside")
        << u"first\r\n\r\n  to  go  "_s << QStringList{u"first"_s, u"to  go"_s};
    QTest::newRow("lone CR") << u"one\rtwo"_s << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("line separator") << u"one\u2028two"_s << QStringList{u"one"_s, u"two"_s};
}

void TestEntryText::definitionLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(entrytext::definitionLines(text), lines);
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
