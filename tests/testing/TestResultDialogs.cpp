#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "entries/EntryForms.h"
#include "keyboards/KeyboardSwitcher.h"
#include "platform/widgets/Twips.h"
#include "testing/MistakeDialog.h"
#include "testing/ResultDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// A point of the chart `degrees` counterclockwise from 3 o'clock and `distance` twips from
/// its centre, and the colour expected there.
struct Sample {
    int degrees;
    int distance;
    QRgb colour;
};

constexpr QRgb Green = qRgb(0, 255, 0);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Shadow = 1; // stand-ins for the palette's colours
constexpr QRgb Background = 2;

QPoint pixelOf(const ResultDialog& dialog, const Sample& sample)
{
    const double angle = sample.degrees * std::numbers::pi / 180;
    const QPoint twips = dialog.chart().centre()
                         + QPoint(qRound(sample.distance * std::cos(angle)),
                                  -qRound(sample.distance * std::sin(angle)));
    return {twipsToPixelsX(twips.x(), &dialog), twipsToPixelsY(twips.y(), &dialog)};
}

/// A vocabulary with two entries, its entry forms and the test window they open over.
struct TestWindowRig {
    StoreFixture fixture;
    QList<qint64> ids = fixture.addEntries({u"Haus|house"_s, u"Baum|tree"_s});
    TestVocabularyHost host{VocabInfo{fixture.path()}};
    FakeMessageService messages;
    FakeKeyboardBackend backend{{KeybCurrent}, KeybCurrent};
    KeyboardSwitcher keyboards{backend, messages};
    QWidget testWindow;
    EntryForms forms{host, messages, keyboards, fixture.clock, 0, &testWindow};
    FakeSoundService sound;
};

} // namespace

Q_DECLARE_METATYPE(QList<Sample>)

class TestResultDialogs : public QObject {
    Q_OBJECT

private slots:
    void resultShowsTheRun();
    void chartColours_data();
    void chartColours();
    void mistakeShowsTheHeadwordOverTheTestWindow();
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
    const QPoint labelCentre = dialog.chart().incorrectLabelCentre();
    QVERIFY((incorrectPerc->geometry().center()
             - QPoint(twipsToPixelsX(labelCentre.x(), &dialog),
                      twipsToPixelsY(labelCentre.y(), &dialog)))
                .manhattanLength()
            <= 2);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(sound.alerts(), 1);
}

void TestResultDialogs::chartColours_data()
{
    QTest::addColumn<int>("tested");
    QTest::addColumn<int>("correct");
    QTest::addColumn<QList<Sample>>("samples");

    // Every chart has its shadow just beyond its lower right rim and the dialog's background
    // left of it. The samples keep clear of the percentage labels.
    const QList<Sample> frame{{-45, 735, Shadow}, {180, 900, Background}};
    QTest::newRow("25 %") << 4 << 1
                          << (frame + QList<Sample>{{10, 620, Green}, {80, 500, Green},
                                                    {160, 500, Red}, {300, 500, Red}});
    QTest::newRow("none right") << 4 << 0
                                << (frame + QList<Sample>{{45, 600, Red}, {225, 600, Red}});
    QTest::newRow("no answers") << 0 << 0
                                << (frame + QList<Sample>{{45, 600, Background},
                                                          {225, 600, Background}});
}

void TestResultDialogs::chartColours()
{
    QFETCH(int, tested);
    QFETCH(int, correct);
    QFETCH(QList<Sample>, samples);

    FakeSoundService sound;
    ResultDialog dialog(u"All"_s, tested, correct, sound, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    for (const Sample& sample : samples) {
        QRgb expected = sample.colour;
        if (expected == Shadow)
            expected = dialog.palette().color(QPalette::Dark).rgb();
        else if (expected == Background)
            expected = dialog.palette().color(QPalette::Window).rgb();
        const QRgb actual = image.pixel(pixelOf(dialog, sample));
        QVERIFY2(actual == expected,
                 qPrintable(u"%1 degrees, %2 twips out: %3 instead of %4"_s.arg(sample.degrees)
                                .arg(sample.distance)
                                .arg(QColor(actual).name(), QColor(expected).name())));
    }
}

void TestResultDialogs::mistakeShowsTheHeadwordOverTheTestWindow()
{
    TestWindowRig rig;
    rig.testWindow.setGeometry(200, 150, 426, 301);
    rig.testWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.testWindow));

    MistakeDialog dialog(u"Zürich"_s, rig.ids.value(0), rig.forms, rig.sound, &rig.testWindow);
    QCOMPARE(rig.sound.alerts(), 1);
    QCOMPARE(dialog.findChild<QLineEdit*>(u"txtCorrect"_s)->text(), u"Zürich"_s);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Left edge one pixel (15 twips) left of the test window's, centred on it from top to
    // bottom, frames included.
    const QRect test = rig.testWindow.frameGeometry();
    const QRect mistake = dialog.frameGeometry();
    QCOMPARE(mistake.left(), test.left() - 1);
    QVERIFY(qAbs(mistake.center().y() - test.center().y()) <= 1);
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
    MistakeDialog first(u"Baum"_s, rig.ids[1], rig.forms, rig.sound, &rig.testWindow);
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
    MistakeDialog second(u"Haus"_s, rig.ids[0], rig.forms, rig.sound, &rig.testWindow);
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
