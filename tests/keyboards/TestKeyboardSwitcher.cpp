#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/NoKeyboardBackend.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;
using lexmint::test::FakeKeyboardBackend;
using lexmint::test::FakeMessageService;

namespace {

constexpr qint32 UsEnglish = 0x04090409;
constexpr qint32 German = 0x04070407;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 CzechQwerty = 0x00010405; // same language, another layout
constexpr qint32 Russian = 0x04190419;

// The texts of the boxes shown, each reduced to the layout's name when it is the report of a
// missing layout.
QStringList reported(const FakeMessageService& messages)
{
    const QString missing = u"The keyboard locale \"%1\" is not installed or is using a different "
                            "layout.\r\nPlease adjust your desktop keyboard setting or change the "
                            "keyboard selection for this vocabulary."_s;
    QStringList names;
    for (const Message& shown : messages.shown()) {
        const QString name = shown.text.section(u'"', 1, 1);
        const bool exact = shown.text == missing.arg(name) && shown.icon == MessageIcon::Exclamation
            && shown.title == u"Keyboard Not Installed";
        names.append(exact ? name : shown.text);
    }
    return names;
}

} // namespace

class TestKeyboardSwitcher : public QObject {
    Q_OBJECT

private slots:
    void switchesAndGivesBack_data();
    void switchesAndGivesBack();
    void missingLayoutReportedOncePerRun();
    void desktopThatCannotSwitchIsToldOnceAfterTheFocus();
};

void TestKeyboardSwitcher::switchesAndGivesBack_data()
{
    QTest::addColumn<qint32>("active");
    QTest::addColumn<qint32>("requested");
    QTest::addColumn<qint32>("returned"); // what the caller gives back later

    QTest::newRow("next in ring") << UsEnglish << German << UsEnglish;
    QTest::newRow("previous in ring") << German << UsEnglish << German;
    QTest::newRow("variant of one language") << Czech << CzechQwerty << Czech;
    QTest::newRow("already active") << German << German << German;
    QTest::newRow("the user's own switches nothing") << German << KeybCurrent << KeybCurrent;
}

void TestKeyboardSwitcher::switchesAndGivesBack()
{
    QFETCH(qint32, active);
    QFETCH(qint32, requested);
    QFETCH(qint32, returned);
    FakeKeyboardBackend backend({UsEnglish, Czech, German, CzechQwerty}, active);
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(requested), returned);
    QCOMPARE(backend.activeLayout(), requested == KeybCurrent ? active : requested);
    QCOMPARE(switcher.activateKeyboard(returned), requested);
    QCOMPARE(backend.activeLayout(), active);
    const bool switched = requested != active && requested != KeybCurrent;
    QCOMPARE(backend.activations(),
             switched ? QList<qint32>({requested, active}) : QList<qint32>());
    QVERIFY(messages.shown().isEmpty());
}

void TestKeyboardSwitcher::missingLayoutReportedOncePerRun()
{
    FakeKeyboardBackend backend({UsEnglish, German, Russian}, German);
    backend.refuse(Russian); // installed, but the switch fails
    FakeMessageService messages;
    {
        KeyboardSwitcher switcher(backend, messages);
        // Another layout of the same language is a layout of its own.
        for (const qint32 layout : {Czech, Czech, CzechQwerty, Russian, Russian})
            QCOMPARE(switcher.activateKeyboard(layout), KeybCurrent);
        // The field asking is still taking the focus: the boxes come after that.
        QVERIFY(messages.shown().isEmpty());
        QTRY_COMPARE(reported(messages), (QStringList{u"Czech"_s, u"Czech"_s, u"Russian"_s}));
        QCOMPARE(backend.activeLayout(), German);
        // Installed layouts still switch between the reports.
        QCOMPARE(switcher.activateKeyboard(UsEnglish), German);
        QCOMPARE(switcher.activateKeyboard(Czech), KeybCurrent);
        QCoreApplication::processEvents();
        QCOMPARE(messages.shown().size(), 3);
    }
    QCOMPARE(backend.activeLayout(), UsEnglish);

    KeyboardSwitcher nextRun(backend, messages);
    QCOMPARE(nextRun.activateKeyboard(Czech), KeybCurrent);
    QTRY_COMPARE(messages.shown().size(), 4);
}

void TestKeyboardSwitcher::desktopThatCannotSwitchIsToldOnceAfterTheFocus()
{
    NoKeyboardBackend backend;
    FakeMessageService messages;
    {
        KeyboardSwitcher switcher(backend, messages);
        QCOMPARE(switcher.activateKeyboard(KeybCurrent), KeybCurrent);
        QCoreApplication::processEvents();
        QVERIFY(messages.shown().isEmpty()); // no layout asked for, nothing to tell

        // The field asking is still taking the focus: the box comes after that.
        QCOMPARE(switcher.activateKeyboard(UsEnglish), KeybCurrent);
        QVERIFY(messages.shown().isEmpty());
        QTRY_COMPARE(messages.shown().size(), 1);
        const Message told = messages.shown().constFirst();
        QVERIFY(
            told.text.startsWith(u"This desktop does not let programs switch the keyboard layout"));
        QCOMPARE(told.icon, MessageIcon::Information);

        // Not per layout, as for a layout missing from a desktop that can switch.
        for (const qint32 layout : {UsEnglish, Czech, 0x0417})
            QCOMPARE(switcher.activateKeyboard(layout), KeybCurrent);
        QCoreApplication::processEvents();
        QCOMPARE(messages.shown().size(), 1);

        // A switcher gone before its box came up shows nothing.
        KeyboardSwitcher closing(backend, messages);
        closing.activateKeyboard(German);
    }
    QCoreApplication::processEvents();
    QCOMPARE(messages.shown().size(), 1);

    KeyboardSwitcher nextRun(backend, messages);
    nextRun.activateKeyboard(Czech);
    QTRY_COMPARE(messages.shown().size(), 2);
}

QTEST_GUILESS_MAIN(TestKeyboardSwitcher)
#include "TestKeyboardSwitcher.moc"
