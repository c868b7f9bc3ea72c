#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardContext.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/NoKeyboardBackend.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;
using lexmint::test::FakeKeyboardBackend;
using lexmint::test::FakeMessageService;
using Layouts = QList<qint32>;

namespace {

constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 German = 0x04070407;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 CzechQwerty = 0x00010405; // same language, another layout
constexpr qint32 Russian = 0x04190419;

} // namespace

class TestKeyboardSwitcher : public QObject {
    Q_OBJECT

private slots:
    void switchesAndRestores_data();
    void switchesAndRestores();
    void missingLayoutReportedOncePerRun();
    void desktopThatCannotSwitchIsToldOnceAfterTheFocus();
};

void TestKeyboardSwitcher::switchesAndRestores_data()
{
    // The layouts a typing context asks for in turn (a field, or the data sheet, one per column
    // visited); leaving the context must always bring back the user's own layout.
    QTest::addColumn<Layouts>("requests");
    QTest::addColumn<qint32>("activeInside");

    QTest::newRow("installed") << Layouts{German} << German;
    QTest::newRow("not installed, then installed") << Layouts{Russian, Czech} << Czech;
    QTest::newRow("column to column, then one without a layout")
        << Layouts{German, Czech, KeybCurrent} << UsEnglish;
}

void TestKeyboardSwitcher::switchesAndRestores()
{
    QFETCH(Layouts, requests);
    QFETCH(qint32, activeInside);
    FakeKeyboardBackend backend({UsEnglish, German, Czech}, UsEnglish);
    FakeMessageService shown;
    KeyboardSwitcher switcher(backend, shown);
    KeyboardContext context(switcher);

    // The status bar names the layout asked for, also when the switch failed.
    for (qint32 layout : requests)
        QCOMPARE(context.enter(layout), keyboardName(layout));
    QCOMPARE(backend.activeLayout(), activeInside);
    context.leave();
    QCOMPARE(backend.activeLayout(), UsEnglish);
}

void TestKeyboardSwitcher::missingLayoutReportedOncePerRun()
{
    FakeKeyboardBackend backend({UsEnglish, German, Russian}, German);
    backend.refuse(Russian); // installed, but the switch fails
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);
    // Another layout of the same language is a layout of its own.
    for (const qint32 layout : {Czech, Czech, CzechQwerty, Russian, Russian})
        QCOMPARE(switcher.activateKeyboard(layout), KeybCurrent);
    // The field asking is still taking the focus: the boxes come after that.
    QVERIFY(messages.shown().isEmpty());
    QTRY_COMPARE(messages.shown().size(), 3);
    QVERIFY(messages.shown().constLast().text.contains(u"\"Russian\""_s));
    QCOMPARE(backend.activeLayout(), German);
}

void TestKeyboardSwitcher::desktopThatCannotSwitchIsToldOnceAfterTheFocus()
{
    NoKeyboardBackend backend;
    FakeMessageService messages;
    {
        KeyboardSwitcher switcher(backend, messages);
        // Not per layout, as for a layout missing from a desktop that can switch.
        for (const qint32 layout : {UsEnglish, Czech})
            QCOMPARE(switcher.activateKeyboard(layout), KeybCurrent);
        QVERIFY(messages.shown().isEmpty());
        QTRY_COMPARE(messages.shown().size(), 1);
        QVERIFY(messages.shown().constFirst().text.startsWith(
            u"This desktop does not let programs switch the keyboard layout"));

        // A switcher gone before its box came up shows nothing.
        KeyboardSwitcher closing(backend, messages);
        closing.activateKeyboard(German);
    }
    QCoreApplication::processEvents();
    QCOMPARE(messages.shown().size(), 1);
}

QTEST_GUILESS_MAIN(TestKeyboardSwitcher)
#include "TestKeyboardSwitcher.moc"
