#include "keyboards/KeyboardCatalogue.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestKeyboardCatalogue : public QObject {
    Q_OBJECT

private slots:
    void name_data();
    void name();
    void everyEntryIsFoundByItsIdentifier();
};

void TestKeyboardCatalogue::name_data()
{
    QTest::addColumn<qint32>("layout");
    QTest::addColumn<QString>("expected");

    // Every catalogue entry by its own identifier is checked below; here the identifiers a
    // desktop or a file may hold beyond those.
    QTest::newRow("variant bits") << 0x00020409 << u"English (United States)"_s;
    QTest::newRow("gap") << 0x0417 << u"Unknown"_s;
    QTest::newRow("above last entry") << 0x8000 << u"Unknown"_s;
}

void TestKeyboardCatalogue::name()
{
    QFETCH(qint32, layout);
    QFETCH(QString, expected);
    QCOMPARE(keyboardName(layout), expected);
}

void TestKeyboardCatalogue::everyEntryIsFoundByItsIdentifier()
{
    // Names are looked up by a binary search, which also finds nothing in a misordered table.
    for (const KeyboardEntry& entry : keyboardCatalogue())
        QCOMPARE(keyboardName(entry.language), QString::fromLatin1(entry.name));
}

QTEST_GUILESS_MAIN(TestKeyboardCatalogue)
#include "TestKeyboardCatalogue.moc"
