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
    QTest::addColumn<qint32>("head");
    QTest::addColumn<qint32>("def");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("selected"); // head and definition rows

    // Descriptions are shown only where a name is shared.
    QTest::newRow("one language, told apart by description")
        << QList{UsEnglish, CzechQwerty, Czech} << CzechQwerty << Czech
        << QStringList{Current, u"English (United States)"_s, u"Czech \u2014 Czech (QWERTY)"_s,
                       u"Czech \u2014 Czech"_s}
        << QList{2, 3};
    // The rows read alike, but the one chosen is preselected, not the first of its name.
    QTest::newRow("one language, no description")
        << QList{German, GermanIbm} << GermanIbm << KeybCurrent
        << QStringList{Current, u"German (Standard)"_s, u"German (Standard)"_s} << QList{2, 0};
    QTest::newRow("choices not installed")
        << QList{UsEnglish} << German << Czech << QStringList{Current, u"English (United States)"_s}
        << QList{0, 0};
}

void TestKeyboardChoices::rows()
{
    QFETCH(QList<qint32>, ring);
    QFETCH(qint32, head);
    QFETCH(qint32, def);
    FakeKeyboardBackend backend(ring, ring.first());
    backend.describe(Czech, u"Czech"_s);
    backend.describe(CzechQwerty, u"Czech (QWERTY)"_s);
    backend.describe(UsEnglish, u"English (US)"_s);

    const KeyboardChoices choices = installedKeyboardChoices(backend, head, def);
    QTEST(choices.names, "names");
    QCOMPARE(choices.layouts, QList{KeybCurrent} + ring);
    QTEST((QList{choices.headRow, choices.defRow}), "selected");
}

QTEST_GUILESS_MAIN(TestKeyboardChoices)
#include "TestKeyboardChoices.moc"
