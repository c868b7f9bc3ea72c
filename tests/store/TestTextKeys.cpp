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

} // namespace

class TestTextKeys : public QObject {
    Q_OBJECT
private slots:
    void foldingIgnoresCaseInEveryScript_data();
    void foldingIgnoresCaseInEveryScript();
    void foldingKeepsDifferentWordsApart();
    void dictionaryOrder();
    void caseInsensitiveBoundCoversEveryCase();
    void prefixesStayPrefixes();
};

void TestTextKeys::foldingIgnoresCaseInEveryScript_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("czech") << u"žluťoučký"_s << u"ŽLUŤOUČKÝ"_s;
    QTest::newRow("greek") << u"λέξη"_s << u"ΛΈΞΗ"_s;
    QTest::newRow("cyrillic") << u"слово"_s << u"СЛОВО"_s;
    QTest::newRow("german") << u"Straße"_s << u"STRASSE"_s.toLower().replace(u"ss"_s, u"ß"_s);
    QTest::newRow("composed and decomposed") << u"caf\u00e9"_s << u"CAFE\u0301"_s;
}

void TestTextKeys::foldingIgnoresCaseInEveryScript()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QCOMPARE(textkeys::foldKey(a), textkeys::foldKey(b));
}

void TestTextKeys::foldingKeepsDifferentWordsApart()
{
    QVERIFY(textkeys::foldKey(u"año"_s) != textkeys::foldKey(u"ano"_s));
    QVERIFY(textkeys::foldKey(u"résumé"_s) != textkeys::foldKey(u"resume"_s));
}

void TestTextKeys::dictionaryOrder()
{
    // Accented letters sit beside their base letters, case does not split the alphabet, a word
    // comes before its own extensions, and ties are broken by accents, then by case.
    const QStringList expected{u"ábaco"_s, u"Abend"_s,  u"abend"_s, u"abendbrot"_s, u"après"_s,
                               u"Ärger"_s, u"arroz"_s,  u"Éclair"_s, u"ecole"_s,    u"école"_s,
                               u"ice cream"_s, u"iceberg"_s, u"NINO"_s, u"niño"_s,  u"zapato"_s,
                               u"Zürich"_s, u"Δέλτα"_s, u"ωμέγα"_s};
    QStringList sorted = expected;
    std::reverse(sorted.begin(), sorted.end());
    std::sort(sorted.begin(), sorted.end(), sortsBefore);
    QCOMPARE(sorted, expected);
}

void TestTextKeys::caseInsensitiveBoundCoversEveryCase()
{
    const QString bound = textkeys::caseInsensitiveSortBound(u"perro"_s);
    for (const QString& word : {u"perro"_s, u"Perro"_s, u"PERRO"_s}) {
        QVERIFY(textkeys::sortKey(word).startsWith(textkeys::caseInsensitiveSortBound(u"pErRo"_s)));
        QVERIFY(textkeys::sortKey(word).toUtf8() >= bound.toUtf8());
    }
    QVERIFY(textkeys::sortKey(u"pera"_s).toUtf8() < bound.toUtf8());
    QVERIFY(textkeys::sortKey(u"pez"_s).toUtf8() > bound.toUtf8());
}

void TestTextKeys::prefixesStayPrefixes()
{
    for (const QString& word : {u"Éclair"_s, u"ECLAT"_s, u"eclipse"_s, u"Ēc"_s}) {
        const QString key = textkeys::sortKey(word);
        const QString low = textkeys::primaryPrefix(u"éc"_s);
        const QString high = textkeys::prefixUpperBound(low);
        QVERIFY2(key.toUtf8() >= low.toUtf8() && key.toUtf8() < high.toUtf8(), qPrintable(word));
    }
    QVERIFY(textkeys::sortKey(u"ed"_s).toUtf8() >= textkeys::prefixUpperBound(u"ec"_s).toUtf8());
    QCOMPARE(textkeys::prefixUpperBound(QString()), QString());
}

QTEST_GUILESS_MAIN(TestTextKeys)
#include "TestTextKeys.moc"
