#include "store/EntryText.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestEntryText : public QObject {
    Q_OBJECT

private slots:
    void definitionLines_data();
    void definitionLines();
    void overlongLines_data();
    void overlongLines();
};

void TestEntryText::definitionLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF, empty line, blanks around")
        << u"first\r\n\r\n  second  "_s << QStringList{u"first"_s, u"second"_s};
    QTest::newRow("LF as the text field gives it")
        << u"first\n\n\tsecond \n"_s << QStringList{u"first"_s, u"second"_s};
    QTest::newRow("lone CR") << u"one\rtwo"_s << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("line separator") << u"one\u2028two"_s << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("no-break spaces trimmed") << u"\u00a0Haus\u00a0"_s << QStringList{u"Haus"_s};
    QTest::newRow("blanks inside kept, blank lines dropped")
        << u" \r\n to  go\n\t\r\n"_s << QStringList{u"to  go"_s};
}

void TestEntryText::definitionLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(entrytext::definitionLines(text), lines);
}

void TestEntryText::overlongLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<qsizetype>>("overlong");
    QTest::addColumn<QStringList>("truncated");

    const QString hundred(100, u'a');
    // A character of two UTF-16 units counts once and is never cut in half.
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("101 and 150 among short lines")
        << QStringList{u"short"_s, hundred + u'b', u"x"_s, QString(150, u'c')}
        << QList<qsizetype>{1, 3} << QStringList{u"short"_s, hundred, u"x"_s, QString(100, u'c')};
    QTest::newRow("character of two units at the cut")
        << QStringList{QString(99, u'a') + emoji + u'z'} << QList<qsizetype>{0}
        << QStringList{QString(99, u'a') + emoji};
}

void TestEntryText::overlongLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<qsizetype>, overlong);
    QFETCH(QStringList, truncated);
    QCOMPARE(entrytext::overlongLines(lines), overlong);
    QStringList cut;
    for (const QString& line : lines)
        cut.append(entrytext::truncated(line));
    QCOMPARE(cut, truncated);
}

QTEST_GUILESS_MAIN(TestEntryText)

#include "TestEntryText.moc"
