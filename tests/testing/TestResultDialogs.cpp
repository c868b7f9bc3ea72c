#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "entries/EntryForms.h"
#include "keyboards/KeyboardSwitcher.h"
#include "platform/widgets/ElidedLabel.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "platform/widgets/Twips.h"
#include "testing/MistakeDialog.h"
#include "testing/ResultDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// A vocabulary with two entries, its entry forms and the test window they open over.
struct TestWindowRig {
    StoreFixture fixture;
    QList<qint64> ids = fixture.addEntries({u"Haus|house"_s, u"Baum|tree"_s});
    TestVocabularyHost host{VocabInfo{fixture.path()}};
    FakeMessageService messages;
    FakeKeyboardBackend backend{{KeybCurrent}, KeybCurrent};
    KeyboardSwitcher switcher{backend, messages};
    KeyboardFocus keyboards{switcher};
    QWidget testWindow;
    EntryForms forms{host, messages, keyboards, fixture.clock, 0, &testWindow};
    FakeSoundService sound;
};

} // namespace

class TestResultDialogs : public QObject {
    Q_OBJECT

private slots:
    void resultShowsTheRun();
    void emptyRunDrawsNoShare();
    void modeShownWhole_data();
    void modeShownWhole();
    void mistakeShowsTheHeadword();
    void editOpensTheEntryFormThenCloses();
};

void TestResultDialogs::resultShowsTheRun()
{
    FakeSoundService sound;
    ResultDialog dialog(u"Not Yet Right"_s, 8, 1, sound, nullptr);
    QCOMPARE(sound.alerts(), 1);

    const auto text = [&](const char* name) {
        return dialog.findChild<QLabel*>(QLatin1StringView(name))->text();
    };
    const QStringList figures{text("lblMode"), text("lblTested"), text("lblCorrect"),
                              text("lblIncorrect")};
    QCOMPARE(figures, QStringList({u"Not Yet Right"_s, u"8"_s, u"1"_s, u"7"_s}));
    // 12.5 % rounds up to 13, too narrow a sector for its label.
    const auto* correctPerc = dialog.findChild<QLabel*>(u"lblCorrectPerc"_s);
    const auto* incorrectPerc = dialog.findChild<QLabel*>(u"lblIncorrectPerc"_s);
    QCOMPARE(correctPerc->text(), u"13%"_s);
    QCOMPARE(incorrectPerc->text(), u"87%"_s);
    QVERIFY(!correctPerc->isVisibleTo(&dialog));
    QVERIFY(incorrectPerc->isVisibleTo(&dialog));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(sound.alerts(), 1);
}

void TestResultDialogs::emptyRunDrawsNoShare()
{
    // Without answers the chart is an empty circle: no red "100 % wrong", no labels.
    FakeSoundService sound;
    ResultDialog dialog(u"All"_s, 0, 0, sound, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint centre = dialog.chart().centre();
    const QRgb drawn = dialog.grab().toImage().pixel(twipsToPixelsX(centre.x(), &dialog),
                                                     twipsToPixelsY(centre.y(), &dialog));
    QCOMPARE(QColor(drawn), dialog.palette().color(QPalette::Window));
    QVERIFY(!dialog.findChild<QLabel*>(u"lblCorrectPerc"_s)->isVisible());
    QVERIFY(!dialog.findChild<QLabel*>(u"lblIncorrectPerc"_s)->isVisible());
}

void TestResultDialogs::modeShownWhole_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("whole");
    QTest::newRow("longest of the template") << u"Not Tested for a Week"_s << true;
    QTest::newRow("a file's own, far too long") << QString(2000, u'W') << false;
}

void TestResultDialogs::modeShownWhole()
{
    // The dialog widens for the name, as far as the screen allows; a longer one is cut at its
    // end. The chart stays in the middle.
    QFETCH(QString, mode);
    QFETCH(bool, whole);
    FakeSoundService sound;
    ResultDialog dialog(mode, 3, 2, sound, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.width() <= dialog.screen()->availableGeometry().width());
    const auto* shown = dialog.findChild<ElidedLabel*>(u"lblMode"_s);
    QVERIFY(shown && shown->text() == mode);
    QCOMPARE(shown->shownText() == mode, whole);
    QVERIFY(qAbs(twipsToPixelsX(dialog.chart().centre().x(), &dialog) - dialog.width() / 2) <= 1);
}

void TestResultDialogs::mistakeShowsTheHeadword()
{
    TestWindowRig rig;
    MistakeDialog dialog(u"Zürich"_s, {}, rig.ids.value(0), rig.forms, rig.sound, &rig.testWindow);
    QCOMPARE(rig.sound.alerts(), 1);
    QCOMPARE(dialog.findChild<QLineEdit*>(u"txtCorrect"_s)->text(), u"Zürich"_s);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_VERIFY(dialog.findChild<QPushButton*>(u"cmdOK"_s)->hasFocus());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestResultDialogs::editOpensTheEntryFormThenCloses()
{
    TestWindowRig rig;
    QCOMPARE(rig.ids.size(), 2);
    QVERIFY(rig.host.isAttached());

    // An entry nobody edits: its form opens modally, and the dialog closes after it.
    MistakeDialog first(u"Baum"_s, {}, rig.ids[1], rig.forms, rig.sound, &rig.testWindow);
    first.show();
    qint64 editedId = 0;
    QTimer::singleShot(0, this, [&] {
        if (auto* form = qobject_cast<EntryForm*>(QApplication::activeModalWidget())) {
            editedId = form->entryId().value_or(0);
            form->findChild<QPushButton*>(u"cmdClose"_s)->click();
        }
    });
    first.findChild<QPushButton*>(u"cmdEdit"_s)->click();
    QCOMPARE(editedId, rig.ids[1]);
    QVERIFY(!first.isVisible());

    // An entry already open in a form of the main window: the user is told, and the dialog
    // still closes.
    rig.forms.show(rig.ids[0], EntryForms::Mode::FromMainWindow);
    MistakeDialog second(u"Haus"_s, {}, rig.ids[0], rig.forms, rig.sound, &rig.testWindow);
    second.show();
    rig.messages.expect(MessageAnswer::Ok);
    second.findChild<QPushButton*>(u"cmdEdit"_s)->click();
    QVERIFY(rig.messages.allAnswersUsed());
    QCOMPARE(rig.messages.shown().size(), 1);
    QVERIFY(!second.isVisible());
    rig.forms.closeAll();
}

QTEST_MAIN(TestResultDialogs)

#include "TestResultDialogs.moc"
