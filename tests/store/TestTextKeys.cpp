#include "store/TextKeys.h"

#include <QTest>

#include <algorithm>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

// The engine compares stored text by code point; UTF-8 bytes order the same way.
bool sortsBefore(const QString& a, const QString& b)
{
    return textkeys::sortKey(a).toUtf8() < textkeys::sortKey(b).toUtf8();
}

bool inRange(const QString& key, const textkeys::KeyRange& range)
{
    return key.toUtf8() >= range.low.toUtf8() && key.toUtf8() < range.high.toUtf8();
}

} // namespace

class TestTextKeys : public QObject {
    Q_OBJECT
private slots:
    void foldingIgnoresCaseInEveryScript_data();
    void foldingIgnoresCaseInEveryScript();
    void dictionaryOrder();
    void prefixRangeHoldsEveryExtension_data();
    void prefixRangeHoldsEveryExtension();
};

void TestTextKeys::foldingIgnoresCaseInEveryScript_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("sharp s") << u"Straße"_s << u"STRASSE"_s << true;
    QTest::newRow("composed and decomposed") << u"caf\u00e9"_s << u"CAFE\u0301"_s << true;
    QTest::newRow("accents tell words apart") << u"año"_s << u"ano"_s << false;
}

void TestTextKeys::foldingIgnoresCaseInEveryScript()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(textkeys::foldKey(a) == textkeys::foldKey(b), same);
}

void TestTextKeys::dictionaryOrder()
{
    // Accented letters sit beside their base letters, case does not split the alphabet, a word
    // comes before its own extensions, and ties are broken by accents, then by case.
    const QStringList expected{
        u"ábaco"_s, u"abend"_s,  u"Abend"_s,   u"abendbrot"_s, u"après"_s,     u"Ärger"_s,
        u"arroz"_s, u"Éclair"_s, u"ecole"_s,   u"école"_s,     u"ice cream"_s, u"iceberg"_s,
        u"NINO"_s,  u"niño"_s,   u"strasse"_s, u"Straße"_s,    u"zapato"_s,    u"Zürich"_s,
        u"Δέλτα"_s, u"ωμέγα"_s,  u"слово"_s,   u"เกม"_s,       u"ไก่"_s};
    QStringList sorted = expected;
    std::reverse(sorted.begin(), sorted.end());
    std::sort(sorted.begin(), sorted.end(), sortsBefore);
    QCOMPARE(sorted, expected);
}

void TestTextKeys::prefixRangeHoldsEveryExtension_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("inside");
    QTest::addColumn<QStringList>("outside");
    QTest::newRow("accented letter") << u"éc"_s << QStringList{u"Éclair"_s, u"ECLAT"_s, u"éco"_s}
                                     << QStringList{u"ed"_s, u"eb"_s};
    QTest::newRow("thai vowel last")
        << u"กเ"_s << QStringList{u"กเด็ก"_s, u"กเกม"_s} << QStringList{u"ขเ"_s};
    QTest::newRow("ending in two units")
        << u"\U00010428"_s << QStringList{u"\U00010400x"_s} << QStringList{u"b"_s};
}

void TestTextKeys::prefixRangeHoldsEveryExtension()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, inside);
    QFETCH(QStringList, outside);
    const std::optional<textkeys::KeyRange> range = textkeys::prefixRange(prefix);
    QVERIFY(range);
    for (const QString& word : inside)
        QVERIFY2(inRange(textkeys::sortKey(word), *range), qPrintable(word));
    for (const QString& word : outside)
        QVERIFY2(!inRange(textkeys::sortKey(word), *range), qPrintable(word));
    QVERIFY(!textkeys::prefixRange(QString()));
}

QTEST_GUILESS_MAIN(TestTextKeys)
#include "TestTextKeys.moc"
