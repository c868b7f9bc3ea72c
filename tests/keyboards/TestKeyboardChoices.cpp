#include "keyboards/KeyboardChoices.h"
#include "support/FakeKeyboardBackend.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;
using lexmint::test::FakeKeyboardBackend;

namespace {

constexpr qint32 UsEnglish = 0x04090409;
constexpr qint32 German = 0x04070407;
constexpr qint32 GermanIbm = 0x00020407; // same language, another layout
constexpr qint32 Czech = 0x04050405;
constexpr qint32 CzechQwerty = 0x00010405;
constexpr qint32 Russian = 0x04190419;
constexpr qint32 UnknownLanguage = 0x04170417;

const QString Current = u"Current Desktop Keyboard"_s;

} // namespace

class TestKeyboardChoices : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
};

void TestKeyboardChoices::rows_data()
{
    QTest::addColumn<QList<qint32>>("ring");
    QTest::addColumn<qint32>("active");
    QTest::addColumn<qint32>("head");
    QTest::addColumn<qint32>("def");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("headRow");
    QTest::addColumn<int>("defRow");

    QTest::newRow("ring order from the active layout")
        << QList{UsEnglish, Czech, German} << Czech << German << UsEnglish
        << QStringList{Current, u"Czech"_s, u"German (Standard)"_s, u"English (United States)"_s}
        << 2 << 3;
    QTest::newRow("one language, told apart by description")
        << QList{Czech, UsEnglish, CzechQwerty} << UsEnglish << CzechQwerty << Czech
        << QStringList{Current, u"English (United States)"_s, u"Czech \u2014 Czech (QWERTY)"_s,
                       u"Czech \u2014 Czech"_s}
        << 2 << 3;
    QTest::newRow("one language, no description")
        << QList{German, GermanIbm} << German << GermanIbm << KeybCurrent
        << QStringList{Current, u"German (Standard)"_s, u"German (Standard)"_s} << 2 << 0;
    QTest::newRow("choices not installed")
        << QList{UsEnglish} << UsEnglish << Russian << Czech
        << QStringList{Current, u"English (United States)"_s} << 0 << 0;
    QTest::newRow("unknown language")
        << QList{UsEnglish, UnknownLanguage} << UnknownLanguage << UnknownLanguage << UsEnglish
        << QStringList{Current, u"Unknown"_s, u"English (United States)"_s} << 1 << 2;
}

void TestKeyboardChoices::rows()
{
    QFETCH(QList<qint32>, ring);
    QFETCH(qint32, active);
    QFETCH(qint32, head);
    QFETCH(qint32, def);
    FakeKeyboardBackend backend(ring, active);
    // Descriptions are shown only where a name is shared.
    backend.describe(Czech, u"Czech"_s);
    backend.describe(CzechQwerty, u"Czech (QWERTY)"_s);
    backend.describe(UsEnglish, u"English (US)"_s);

    const KeyboardChoices choices = installedKeyboardChoices(backend, head, def);

    QTEST(choices.names, "names");
    QCOMPARE(choices.layouts.size(), choices.names.size());
    QCOMPARE(choices.layouts.first(), KeybCurrent);
    QCOMPARE(choices.layouts.mid(1), backend.installedLayouts());
    QTEST(choices.headRow, "headRow");
    QTEST(choices.defRow, "defRow");
    QVERIFY(backend.activations().isEmpty());
    QCOMPARE(backend.activeLayout(), active);
}

QTEST_GUILESS_MAIN(TestKeyboardChoices)
#include "TestKeyboardChoices.moc"
