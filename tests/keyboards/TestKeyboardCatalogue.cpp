#include "keyboards/KeyboardCatalogue.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestKeyboardCatalogue : public QObject {
    Q_OBJECT

private slots:
    void name_data();
    void name();
    void catalogueIsCompleteAndAscending();
};

void TestKeyboardCatalogue::name_data()
{
    QTest::addColumn<qint32>("layout");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first entry") << 0x0000 << u"Language Neutral"_s;
    QTest::newRow("second entry") << 0x0400 << u"Process Default Language"_s;
    QTest::newRow("US English") << 0x0409 << u"English (United States)"_s;
    QTest::newRow("US English, variant bits") << 0x00020409 << u"English (United States)"_s;
    QTest::newRow("US English, sign bit set")
        << static_cast<qint32>(0xF0020409) << u"English (United States)"_s;
    QTest::newRow("Czech") << 0x0405 << u"Czech"_s;
    QTest::newRow("Czech, variant bits") << 0x04050405 << u"Czech"_s;
    QTest::newRow("middle entry") << 0x0C1A << u"Serbian (Cyrillic)"_s;
    QTest::newRow("Puerto Rico") << 0x500A << u"Spanish (Puerto Rico)"_s;
    QTest::newRow("current keyboard") << KeybCurrent << u"Current Desktop Keyboard"_s;
    QTest::newRow("gap 0x0417") << 0x0417 << u"Unknown"_s;
    QTest::newRow("below second entry") << 0x0001 << u"Unknown"_s;
    QTest::newRow("above last entry") << 0x8000 << u"Unknown"_s;
    QTest::newRow("all low bits set") << 0x0000FFFF << u"Unknown"_s;
    QTest::newRow("minus one") << -1 << u"Unknown"_s;
}

void TestKeyboardCatalogue::name()
{
    QFETCH(qint32, layout);
    QFETCH(QString, expected);
    QCOMPARE(keyboardName(layout), expected);
}

void TestKeyboardCatalogue::catalogueIsCompleteAndAscending()
{
    const auto catalogue = keyboardCatalogue();
    QCOMPARE(catalogue.size(), 146u);
    QCOMPARE(catalogue.back().language, KeybCurrent);
    for (std::size_t i = 1; i < catalogue.size(); ++i)
        QVERIFY2(catalogue[i - 1].language < catalogue[i].language, qPrintable(QString::number(i)));
    // Every entry is reachable by its own identifier.
    for (const KeyboardEntry& entry : catalogue)
        QCOMPARE(keyboardName(entry.language), QString::fromLatin1(entry.name));
}

QTEST_GUILESS_MAIN(TestKeyboardCatalogue)
#include "TestKeyboardCatalogue.moc"
