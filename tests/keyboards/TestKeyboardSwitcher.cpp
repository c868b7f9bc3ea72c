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

QString missingText(const QString& name)
{
    return u"The keyboard locale \""_s + name
           + u"\" is not installed or is using a different layout.\r\n"
             "Please adjust your desktop keyboard setting or change the keyboard selection for this "
             "vocabulary."_s;
}

} // namespace

class TestKeyboardSwitcher : public QObject {
    Q_OBJECT

private slots:
    void currentSwitchesNothing();
    void switchesToInstalledLayout_data();
    void switchesToInstalledLayout();
    void alreadyActiveReturnsItself();
    void missingLayoutReportedOncePerRun();
    void refusedSwitchIsReportedAndKeepsLayout();
    void noBackendReportsEveryLayout();
};

void TestKeyboardSwitcher::currentSwitchesNothing()
{
    FakeKeyboardBackend backend({UsEnglish, German}, German);
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(KeybCurrent), KeybCurrent);
    QVERIFY(backend.activations().isEmpty());
    QCOMPARE(backend.activeLayout(), German);
    QVERIFY(messages.shown().isEmpty());
}

void TestKeyboardSwitcher::switchesToInstalledLayout_data()
{
    QTest::addColumn<qint32>("active");
    QTest::addColumn<qint32>("requested");

    QTest::newRow("next in ring") << UsEnglish << German;
    QTest::newRow("previous in ring") << German << UsEnglish;
    QTest::newRow("variant of one language") << Czech << CzechQwerty;
}

void TestKeyboardSwitcher::switchesToInstalledLayout()
{
    QFETCH(qint32, active);
    QFETCH(qint32, requested);
    FakeKeyboardBackend backend({UsEnglish, Czech, German, CzechQwerty}, active);
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(requested), active);
    QCOMPARE(backend.activeLayout(), requested);
    // The context restores what it was given back.
    QCOMPARE(switcher.activateKeyboard(active), requested);
    QCOMPARE(backend.activeLayout(), active);
    QCOMPARE(backend.activations(), (QList<qint32>{requested, active}));
    QVERIFY(messages.shown().isEmpty());
}

void TestKeyboardSwitcher::alreadyActiveReturnsItself()
{
    FakeKeyboardBackend backend({UsEnglish, German}, German);
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(German), German);
    QVERIFY(backend.activations().isEmpty());
    QVERIFY(messages.shown().isEmpty());
}

void TestKeyboardSwitcher::missingLayoutReportedOncePerRun()
{
    FakeKeyboardBackend backend({UsEnglish, German}, German);
    FakeMessageService messages;
    {
        KeyboardSwitcher switcher(backend, messages);
        QCOMPARE(switcher.activateKeyboard(Czech), KeybCurrent);
        QCOMPARE(messages.shown().size(), 1);
        const Message& shown = messages.shown().first();
        QCOMPARE(shown.title, u"Keyboard Not Installed"_s);
        QCOMPARE(shown.text, missingText(u"Czech"_s));
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(shown.buttons, MessageButtons::Ok);

        QCOMPARE(switcher.activateKeyboard(Czech), KeybCurrent);
        QCOMPARE(messages.shown().size(), 1);

        // Another layout of the same language is a layout of its own.
        QCOMPARE(switcher.activateKeyboard(CzechQwerty), KeybCurrent);
        QCOMPARE(switcher.activateKeyboard(Russian), KeybCurrent);
        QCOMPARE(messages.shown().size(), 3);
        QCOMPARE(messages.shown().at(2).text, missingText(u"Russian"_s));

        // Installed layouts still switch between the reports.
        QCOMPARE(switcher.activateKeyboard(UsEnglish), German);
        QCOMPARE(switcher.activateKeyboard(Czech), KeybCurrent);
        QCOMPARE(messages.shown().size(), 3);
    }
    QCOMPARE(backend.activations(), QList<qint32>{UsEnglish});
    QCOMPARE(backend.activeLayout(), UsEnglish);

    KeyboardSwitcher nextRun(backend, messages);
    QCOMPARE(nextRun.activateKeyboard(Czech), KeybCurrent);
    QCOMPARE(messages.shown().size(), 4);
    QVERIFY(messages.allAnswersUsed());
}

void TestKeyboardSwitcher::refusedSwitchIsReportedAndKeepsLayout()
{
    FakeKeyboardBackend backend({UsEnglish, German}, UsEnglish);
    backend.refuse(German);
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(German), KeybCurrent);
    QCOMPARE(backend.activeLayout(), UsEnglish);
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().text, missingText(u"German (Standard)"_s));
    QCOMPARE(switcher.activateKeyboard(German), KeybCurrent);
    QCOMPARE(messages.shown().size(), 1);
}

void TestKeyboardSwitcher::noBackendReportsEveryLayout()
{
    NoKeyboardBackend backend;
    FakeMessageService messages;
    KeyboardSwitcher switcher(backend, messages);

    QCOMPARE(switcher.activateKeyboard(KeybCurrent), KeybCurrent);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(switcher.activateKeyboard(UsEnglish), KeybCurrent);
    QCOMPARE(switcher.activateKeyboard(0x0417), KeybCurrent);
    QCOMPARE(messages.shown().size(), 2);
    QCOMPARE(messages.shown().at(1).text, missingText(u"Unknown"_s));
    QCOMPARE(backend.activeLayout(), KeybCurrent);
}

QTEST_GUILESS_MAIN(TestKeyboardSwitcher)
#include "TestKeyboardSwitcher.moc"
