#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardContext.h"
#include "keyboards/KeyboardSwitcher.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using lexmint::test::FakeKeyboardBackend;
using lexmint::test::FakeMessageService;
using Layouts = QList<qint32>;

namespace {
constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 German = 0x04070407;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 Russian = 0x04190419; // not installed
} // namespace

class TestKeyboardContext : public QObject {
    Q_OBJECT

private slots:
    void switchesAndRestores_data();
    void switchesAndRestores();
};

void TestKeyboardContext::switchesAndRestores_data()
{
    // The layouts asked for in turn (by a field, or by the data sheet, one per column visited);
    // then the context is left, which must always bring back the user's own layout.
    QTest::addColumn<Layouts>("requests");
    QTest::addColumn<qint32>("activeInside");
    QTest::addColumn<qint32>("held");
    QTest::addColumn<int>("messages");

    QTest::newRow("installed") << Layouts{German} << German << UsEnglish << 0;
    QTest::newRow("already active") << Layouts{UsEnglish} << UsEnglish << UsEnglish << 0;
    QTest::newRow("not installed") << Layouts{Russian} << UsEnglish << KeybCurrent << 1;
    QTest::newRow("no layout") << Layouts{KeybCurrent} << UsEnglish << KeybCurrent << 0;
    QTest::newRow("headword then definition")
        << Layouts{German, Czech, German, Czech} << Czech << UsEnglish << 0;
    QTest::newRow("same layout in both columns")
        << Layouts{German, German, German} << German << UsEnglish << 0;
    QTest::newRow("not installed, then installed, then again")
        << Layouts{Russian, Czech, Russian} << Czech << UsEnglish << 1;
    QTest::newRow("vocabulary opened") << Layouts{KeybCurrent, German} << German << UsEnglish << 0;
    QTest::newRow("column without a layout")
        << Layouts{German, KeybCurrent, Czech, KeybCurrent} << UsEnglish << UsEnglish << 0;
}

void TestKeyboardContext::switchesAndRestores()
{
    QFETCH(Layouts, requests);
    QFETCH(qint32, activeInside);
    QFETCH(qint32, held);
    QFETCH(int, messages);
    FakeKeyboardBackend backend({UsEnglish, German, Czech}, UsEnglish);
    FakeMessageService shown;
    KeyboardSwitcher switcher(backend, shown);
    KeyboardContext context(switcher);

    // The status bar names the layout asked for, also when the switch failed.
    for (qint32 layout : requests)
        QCOMPARE(context.enter(layout), keyboardName(layout));
    QCOMPARE(backend.activeLayout(), activeInside);
    QCOMPARE(context.held(), std::optional<qint32>(held));
    QTRY_COMPARE(shown.shown().size(), messages);

    const qsizetype activations = backend.activations().size();
    context.leave();
    QCOMPARE(backend.activeLayout(), UsEnglish);
    QCOMPARE(context.held(), std::nullopt);
    context.leave();
    // Holding KeybCurrent restores nothing.
    if (held == KeybCurrent)
        QCOMPARE(backend.activations().size(), activations);
}

QTEST_GUILESS_MAIN(TestKeyboardContext)
#include "TestKeyboardContext.moc"
