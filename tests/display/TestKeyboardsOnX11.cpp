// Keyboard switching of the program's typing contexts against the real XKB groups of an X
// server, with the first key press after each switch coming from the server's keyboard.

#include "XkbProbe.h"

#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "keyboards/xkb/XkbLayoutIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 Us = 0x0409;
constexpr qint32 Czech = 0x0405;  // QWERTZ: the US key "y" types "z", the key "2" types "ě"
constexpr qint32 German = 0x0407; // the user's own, also QWERTZ but with "2" on the key "2"
constexpr qint32 Russian = 0x0419;
enum Group { UsGroup, CzechGroup, GermanGroup, RussianGroup }; // as setxkbmap gets them

} // namespace

class TestKeyboardsOnX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsTheDesktopLayouts();
    void entryFormTypesInTheFieldsLayouts();

private:
    std::unique_ptr<XkbProbe> m_probe;
    std::unique_ptr<KeyboardBackend> m_backend;
    FakeMessageService m_messages;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    StoreFixture m_fixture;
    std::unique_ptr<TestVocabularyHost> m_host;
};

void TestKeyboardsOnX11::initTestCase()
{
    QCOMPARE(QProcess::execute(u"setxkbmap"_s, {u"-layout"_s, u"us,cz,de,ru"_s}), 0);
    m_probe = std::make_unique<XkbProbe>();
    QVERIFY(m_probe->isOpen());
    m_probe->lockGroup(GermanGroup); // the user's own layout, left locked by each test
    m_backend = makeDesktopKeyboardBackend();
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
    QVERIFY(m_fixture.isValid());
    m_host = std::make_unique<TestVocabularyHost>(VocabInfo{m_fixture.path(), 50, 0, Czech, Us, 0});
    QVERIFY(m_host->isAttached());
}

void TestKeyboardsOnX11::readsTheDesktopLayouts()
{
    // The ring starts at the locked group.
    QCOMPARE(m_backend->installedLayouts(), (QList<qint32>{German, Russian, Us, Czech}));
    QCOMPARE(m_backend->activeLayout(), German);
    QCOMPARE(m_backend->layoutDescription(Russian), u"Russian"_s);
    // The server would wrap any group number into range: a missing layout switches nothing.
    QVERIFY(!m_backend->activate(xkbLayoutId(u"fr", {})));
    QCOMPARE(m_probe->lockedGroup(), GermanGroup);
}

void TestKeyboardsOnX11::entryFormTypesInTheFieldsLayouts()
{
    EntryForm form(*m_host, m_messages, *m_switcher, m_fixture.clock, entryformbits::KeysMove,
                   std::nullopt);
    auto* head = form.findChild<QLineEdit*>(u"txtHead"_s);
    auto* definition = form.findChild<QPlainTextEdit*>(u"txtDef"_s);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // Opening gives the headword field the focus, and the very first key is Czech.
    QTRY_VERIFY(head->hasFocus());
    QCOMPARE(m_probe->lockedGroup(), CzechGroup);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(head->text(), u"zě"_s);

    // Another window takes the focus: the user's layout is back for it, and the field's
    // layout for the field when the form is active again.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(m_probe->lockedGroup(), GermanGroup);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(m_probe->lockedGroup(), CzechGroup);
    m_probe->pressKeys("2");
    QTRY_COMPARE(head->text(), u"zěě"_s);

    definition->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_probe->lockedGroup(), UsGroup);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(definition->toPlainText(), u"y2"_s);

    form.restoreKeyboards(); // as at the program's end
    QCOMPARE(m_probe->lockedGroup(), GermanGroup);
}

QTEST_MAIN(TestKeyboardsOnX11)

#include "TestKeyboardsOnX11.moc"
