#include "entries/CharacterLimit.h"

#include <QLineEdit>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestCharacterLimit : public QObject {
    Q_OBJECT
private slots:
    void pastingStopsAtTheLimit_data();
    void pastingStopsAtTheLimit();
};

void TestCharacterLimit::pastingStopsAtTheLimit_data()
{
    // Texts with '|' at the cursor; the limit is five characters. E takes two UTF-16 units.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("after");
    QTest::newRow("pasted in the middle") << u"a|b"_s << u"EEEE"_s << u"aEEE|b"_s;
    QTest::newRow("over a selection") << u"[abc]|de"_s << u"EEEE"_s << u"EEE|de"_s;
}

void TestCharacterLimit::pastingStopsAtTheLimit()
{
    QFETCH(QString, before);
    QFETCH(QString, inserted);
    QFETCH(QString, after);
    const QString emoji = u"\U0001F600"_s;
    const auto plain = [&](QString text) {
        return text.remove(u'|').remove(u'[').remove(u']').replace(u'E', emoji);
    };
    QLineEdit line;
    line.setValidator(new CharacterLimit(5, &line));
    line.setText(plain(before));
    if (const qsizetype start = before.indexOf(u'['); start >= 0)
        line.setSelection(int(start), int(before.indexOf(u']') - start - 1));
    else
        line.setCursorPosition(int(plain(before.left(before.indexOf(u'|'))).size()));
    line.insert(plain(inserted));
    QCOMPARE(line.text(), plain(after));
    QCOMPARE(line.cursorPosition(), int(plain(after.left(after.indexOf(u'|'))).size()));
}

QTEST_MAIN(TestCharacterLimit)
#include "TestCharacterLimit.moc"
