#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "entries/EntryForms.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "platform/widgets/ElidedLabel.h"
#include "testing/MistakeDialog.h"
#include "testing/ResultDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestResultDialogs : public QObject {
    Q_OBJECT

private slots:
    void longModeNameStaysOnScreen();
    void editOpensTheEntryFormThenCloses();
};

void TestResultDialogs::longModeNameStaysOnScreen()
{
    // A file's own mode name may be of any length: it is cut at its end rather than pushing
    // the dialog and its OK button off the screen.
    const QString mode(2000, u'W');
    FakeSoundService sound;
    ResultDialog dialog(mode, 3, 2, sound, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.width() <= dialog.screen()->availableGeometry().width());
    QVERIFY(dialog.findChild<ElidedLabel*>(u"lblMode"_s)->shownText() != mode);
}

void TestResultDialogs::editOpensTheEntryFormThenCloses()
{
    StoreFixture fixture;
    const QList<qint64> ids = fixture.addEntries({u"Haus|house"_s, u"Baum|tree"_s});
    TestVocabularyHost host{VocabInfo{fixture.path()}};
    QVERIFY(host.isAttached());
    FakeMessageService messages;
    FakeKeyboardBackend backend{{KeybCurrent}, KeybCurrent};
    KeyboardSwitcher switcher{backend, messages};
    KeyboardFocus keyboards{switcher};
    QWidget testWindow;
    EntryForms forms{host, messages, keyboards, fixture.clock, 0, &testWindow};
    FakeSoundService sound;

    // The mistaken entry's form opens modally, and the dialog closes after it.
    MistakeDialog dialog(u"Baum"_s, {}, ids.value(1), forms, sound, &testWindow);
    dialog.show();
    qint64 editedId = 0;
    QTimer::singleShot(0, this, [&] {
        if (auto* form = qobject_cast<EntryForm*>(QApplication::activeModalWidget())) {
            editedId = form->entryId().value_or(0);
            form->findChild<QPushButton*>(u"cmdClose"_s)->click();
        }
    });
    dialog.findChild<QPushButton*>(u"cmdEdit"_s)->click();
    QCOMPARE(editedId, ids.value(1));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestResultDialogs)

#include "TestResultDialogs.moc"
