// Keyboard switching of the entry form's fields on a real desktop: an X server (Xvfb, see
// tests/display/xvfb-run.sh) or a Wayland compositor (a private, headless sway, see sway-run.sh,
// or KWin, see kwin-run.sh), with the program on Qt's platform for it and every key press coming
// from a keyboard of the desktop, so that the desktop's active layout decides what it types.

#include "DesktopProbe.h"

#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/EntryForm.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "keyboards/xkb/XkbLayoutIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 Us = 0x0409;
constexpr qint32 Czech = 0x0405;  // QWERTZ: the US key "y" types "z", the key "2" types "ě"
constexpr qint32 German = 0x0407; // the user's own, also QWERTZ but with "2" on the key "2"
constexpr qint32 Russian = 0x0419;
enum Group { UsGroup, CzechGroup, GermanGroup, RussianGroup }; // as the desktop has them

QString focusedText()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
        return text->toPlainText();
    return u"(no text box has the focus)"_s;
}

} // namespace

class TestKeyboardsOnDesktops : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsAndSwitchesTheDesktopLayouts();
    void everyFieldTypesInItsLayout_data();
    void everyFieldTypesInItsLayout();

private:
    bool activate(QWidget& window);
    bool showActive(QWidget& window);

    std::unique_ptr<DesktopProbe> m_probe;
    std::unique_ptr<KeyboardBackend> m_backend;
    FakeMessageService m_messages;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<KeyboardFocus> m_keyboards;
    StoreFixture m_fixture;
    std::unique_ptr<TestVocabularyHost> m_host;
};

void TestKeyboardsOnDesktops::initTestCase()
{
    m_probe = DesktopProbe::forSession();
    QVERIFY(m_probe->isReady());
    // The user's own, left active by each test; a compositor may take a moment to set up the
    // probe's keyboard.
    QTRY_VERIFY(m_probe->switchLayout(GermanGroup) && m_probe->activeLayout() == GermanGroup);
    m_backend = makeDesktopKeyboardBackend();
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
    m_keyboards = std::make_unique<KeyboardFocus>(*m_switcher);
    QVERIFY(m_fixture.isValid());
    m_host = std::make_unique<TestVocabularyHost>(VocabInfo{m_fixture.path(), 50, 0, Czech, Us, 0});
    QVERIFY(m_host->isAttached());
}

void TestKeyboardsOnDesktops::readsAndSwitchesTheDesktopLayouts()
{
    // The same identifiers as a vocabulary stores on every desktop; the ring starts at the
    // active layout.
    QCOMPARE(m_backend->installedLayouts(), (QList<qint32>{German, Russian, Us, Czech}));
    QCOMPARE(m_backend->activeLayout(), German);
    QCOMPARE(m_backend->layoutDescription(Russian), u"Russian"_s);
    QVERIFY(!m_backend->activate(xkbLayoutId(u"fr", {})));
    QCOMPARE(m_probe->activeLayout(), GermanGroup);
    // A switch made by the user is seen at once.
    QVERIFY(m_probe->switchLayout(UsGroup));
    QCOMPARE(m_backend->activeLayout(), Us);
    QVERIFY(m_backend->activate(German));
    QCOMPARE(m_probe->activeLayout(), GermanGroup);
}

// Gives `window` the focus. An X server without a window manager gives it to no window by
// itself; a Wayland compositor focuses a new window and, when it goes, the one before. (Qt's
// activation requests on Wayland keep memory they never free.)
bool TestKeyboardsOnDesktops::activate(QWidget& window)
{
    if (QGuiApplication::platformName() != u"wayland")
        window.activateWindow();
    return QTest::qWaitFor([&] { return window.isActiveWindow() && m_probe->hasFocus(window); });
}

bool TestKeyboardsOnDesktops::showActive(QWidget& window)
{
    window.show();
    return activate(window);
}

void TestKeyboardsOnDesktops::everyFieldTypesInItsLayout_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("typed"); // by the keys "y2"

    QTest::newRow("headword") << u"txtHead"_s << int(CzechGroup) << u"zě"_s;
    QTest::newRow("definition") << u"txtDef"_s << int(UsGroup) << u"y2"_s;
}

void TestKeyboardsOnDesktops::everyFieldTypesInItsLayout()
{
    QFETCH(QString, field);
    QFETCH(int, group);
    QFETCH(QString, typed);
    EntryForm form(*m_host, m_messages, *m_keyboards, m_fixture.clock, entryformbits::KeysMove,
                   std::nullopt);
    auto* head = form.findChild<QLineEdit*>(u"txtHead"_s);
    QVERIFY(showActive(form));
    QTRY_VERIFY(head->hasFocus()); // on opening
    auto* typing = form.findChild<QWidget*>(field);
    typing->setFocus(Qt::TabFocusReason);
    // Switched before the first key arrives.
    QCOMPARE(m_probe->activeLayout(), group);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(focusedText(), typed);

    // Another window takes the focus: the user's layout is back for it, and the field's
    // layout once the focus returns.
    {
        QWidget other;
        QVERIFY(showActive(other));
        QTRY_COMPARE(m_probe->activeLayout(), GermanGroup);
    }
    QVERIFY(activate(form));
    QTRY_COMPARE(m_probe->activeLayout(), group);

    m_keyboards->restore(); // as at the program's end
    QCOMPARE(m_probe->activeLayout(), GermanGroup);
    QVERIFY(m_messages.shown().isEmpty());
}

// Qt's Wayland platform keeps its connection's objects to the end and frees none of the
// activation requests it makes whenever a window gets the focus: the sanitizers' leak check
// passes over what Qt's Wayland libraries allocate, which it can tell only from whole stacks.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6WaylandClient.so\nleak:libxdg-shell.so\n";
}

extern "C" const char* __lsan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

QTEST_MAIN(TestKeyboardsOnDesktops)

#include "TestKeyboardsOnDesktops.moc"
