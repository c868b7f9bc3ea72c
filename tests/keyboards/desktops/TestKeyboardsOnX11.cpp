// Keyboard switching of the entry form's fields on a real X server under a window manager (see
// tests/display/xvfb-run.sh), with every key pressed through XTest, so that the server's active
// layout decides what it types.

#include "X11Probe.h"

#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "keyboards/widgets/KeyboardFocus.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 Us = 0x0409;
constexpr qint32 Czech = 0x0405; // QWERTZ: the US key "y" types "z", the key "2" types "ě"
constexpr qint32 German = 0x0407;
enum Group { UsGroup, CzechGroup, GermanGroup };

} // namespace

class TestKeyboardsOnX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachFieldTypesInItsLayoutUntilTheFocusLeaves();

private:
    bool activate(QWidget& window);

    X11Probe m_x11;
    std::unique_ptr<KeyboardBackend> m_backend = makeDesktopKeyboardBackend();
    FakeMessageService m_messages;
    KeyboardSwitcher m_switcher{*m_backend, m_messages};
    KeyboardFocus m_keyboards{m_switcher};
    StoreFixture m_fixture;
};

void TestKeyboardsOnX11::initTestCase()
{
    QVERIFY(m_x11.isReady());
    QVERIFY(m_x11.switchLayout(GermanGroup)); // the user's own
    // The ring starts at the active layout.
    QCOMPARE(m_backend->installedLayouts(), (QList<qint32>{German, Us, Czech}));
}

bool TestKeyboardsOnX11::activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&] { return window.isActiveWindow() && m_x11.hasFocus(window); });
}

void TestKeyboardsOnX11::eachFieldTypesInItsLayoutUntilTheFocusLeaves()
{
    TestVocabularyHost host(VocabInfo{m_fixture.path(), 50, 0, Czech, Us, 0});
    QVERIFY(host.isAttached());
    EntryForm form(host, m_messages, m_keyboards, m_fixture.clock, entryformbits::KeysMove,
                   std::nullopt);
    QVERIFY(activate(form));
    auto* head = form.findChild<QLineEdit*>(u"txtHead"_s);
    QTRY_VERIFY(head->hasFocus());
    // Switched before the first key arrives.
    QCOMPARE(m_x11.activeLayout(), CzechGroup);
    m_x11.pressKeys("y2");
    QTRY_COMPARE(head->text(), u"zě"_s);
    auto* definition = form.findChild<QPlainTextEdit*>(u"txtDef"_s);
    definition->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_x11.activeLayout(), UsGroup);
    m_x11.pressKeys("y2");
    QTRY_COMPARE(definition->toPlainText(), u"y2"_s);

    // Another window takes the focus: the user's layout is back for it, and the field's layout
    // once the focus returns.
    {
        QWidget other;
        QVERIFY(activate(other));
        QTRY_COMPARE(m_x11.activeLayout(), GermanGroup);
    }
    QVERIFY(activate(form));
    QTRY_COMPARE(m_x11.activeLayout(), UsGroup);

    m_keyboards.restore(); // as at the program's end
    QCOMPARE(m_x11.activeLayout(), GermanGroup);
    QVERIFY(m_messages.shown().isEmpty());
}

QTEST_MAIN(TestKeyboardsOnX11)

#include "TestKeyboardsOnX11.moc"
