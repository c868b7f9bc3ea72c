// Keyboard switching of the program's typing contexts on a real desktop: an X server (Xvfb, see
// tests/display/xvfb-run.sh) or a Wayland compositor (a private, headless sway, see sway-run.sh,
// or KWin, see kwin-run.sh), with the program on Qt's platform for it and every key press coming
// from a keyboard of the desktop, so that the desktop's active layout decides what it types.

#include "DesktopProbe.h"
#include "X11Probe.h"

#include "support/FakeHelpService.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindow.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "shell/SettingsStore.h"
#include "app/MainWindow.h"
#include "app/VocabGrid.h"
#include "app/VocabularyModel.h"
#include "entries/EntryForm.h"
#include "entries/EntryForms.h"
#include "entries/QuickFind.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "keyboards/xkb/XkbLayoutIds.h"
#include "store/Database.h"
#include "testing/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 Us = 0x0409;
constexpr qint32 Czech = 0x0405;  // QWERTZ: the US key "y" types "z", the key "2" types "ě"
constexpr qint32 German = 0x0407; // the user's own, also QWERTZ but with "2" on the key "2"
constexpr qint32 Russian = 0x0419;
enum Group { UsGroup, CzechGroup, GermanGroup, RussianGroup }; // as the desktop has them

enum class Context { QuickFind, TestAnswer, SheetHeadword, SheetDefinition };

// A window with a typing context, its text field holding the focus.
struct OpenContext {
    std::unique_ptr<QWidget> window;
    QLineEdit* field = nullptr;
};

QString focusedText()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
        return text->toPlainText();
    return u"(no text box has the focus)"_s;
}

// The active layout and the main window's keyboard panel in the status bar.
QString stateOf(int group, const QString& panel)
{
    return u"layout %1, panel \"%2\""_s.arg(group).arg(panel);
}

} // namespace

Q_DECLARE_METATYPE(Context)

class TestKeyboardsOnDesktops : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsTheDesktopLayouts();
    void entryFormTypesInTheFieldsLayouts();
    void everyContextTypesInItsLayout_data();
    void everyContextTypesInItsLayout();
    void mainWindowTypesInEachContextsLayout();

private:
    bool activate(QWidget& window);
    bool showActive(QWidget& window);
    OpenContext open(Context context);
    OpenContext openSheet(int column);
    QString state(const MainWindow& window) const;

    std::unique_ptr<DesktopProbe> m_probe;
    std::unique_ptr<KeyboardBackend> m_backend;
    FakeMessageService m_messages;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<KeyboardFocus> m_keyboards;
    StoreFixture m_fixture;
    std::unique_ptr<TestVocabularyHost> m_host;
    std::unique_ptr<SettingsStore> m_settings;
    FakeHelpService m_help;
    FakeSoundService m_sound;
    std::unique_ptr<EntryForms> m_entryForms;
    std::unique_ptr<VocabularyModel> m_model;
};

void TestKeyboardsOnDesktops::initTestCase()
{
    m_probe = DesktopProbe::forSession();
    QVERIFY(m_probe->isReady());
    QTRY_COMPARE(m_probe->layoutNames(), u"English (US),Czech,German,Russian"_s);
    QVERIFY(m_probe->switchLayout(GermanGroup)); // the user's own, left active by each test
    m_backend = makeDesktopKeyboardBackend();
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
    m_keyboards = std::make_unique<KeyboardFocus>(*m_switcher);
    QVERIFY(m_fixture.isValid());
    QCOMPARE(m_fixture.addEntries({u"Abend|evening"_s}).size(), 1);
    m_host = std::make_unique<TestVocabularyHost>(VocabInfo{m_fixture.path(), 50, 0, Czech, Us, 0});
    QVERIFY(m_host->isAttached());
    m_settings = std::make_unique<SettingsStore>(m_fixture.dir() + u"/settings.conf"_s);
    m_entryForms = std::make_unique<EntryForms>(*m_host, m_messages, *m_keyboards, m_fixture.clock,
                                                0, nullptr);
    m_model = std::make_unique<VocabularyModel>(m_host->sources().vocabulary(), m_messages);
}

void TestKeyboardsOnDesktops::readsTheDesktopLayouts()
{
    // The ring starts at the active layout.
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

void TestKeyboardsOnDesktops::entryFormTypesInTheFieldsLayouts()
{
    EntryForm form(*m_host, m_messages, *m_keyboards, m_fixture.clock, entryformbits::KeysMove,
                   std::nullopt);
    auto* head = form.findChild<QLineEdit*>(u"txtHead"_s);
    auto* definition = form.findChild<QPlainTextEdit*>(u"txtDef"_s);
    QVERIFY(showActive(form));

    // Opening gives the headword field the focus, and the very first key is Czech.
    QTRY_VERIFY(head->hasFocus());
    QCOMPARE(m_probe->activeLayout(), CzechGroup);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(head->text(), u"zě"_s);

    // Another window takes the focus: the user's layout is back for it, and the field's
    // layout for the field when the form has the focus again.
    {
        QWidget other;
        QVERIFY(showActive(other));
        QTRY_COMPARE(m_probe->activeLayout(), GermanGroup);
    }
    QVERIFY(activate(form));
    QTRY_COMPARE(m_probe->activeLayout(), CzechGroup);
    m_probe->pressKeys("2");
    QTRY_COMPARE(head->text(), u"zěě"_s);

    definition->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_probe->activeLayout(), UsGroup);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(definition->toPlainText(), u"y2"_s);

    m_keyboards->restore(); // as at the program's end
    QCOMPARE(m_probe->activeLayout(), GermanGroup);
    QVERIFY(m_messages.shown().isEmpty());
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

OpenContext TestKeyboardsOnDesktops::open(Context context)
{
    OpenContext opened;
    QString fieldName;
    switch (context) {
    case Context::QuickFind:
        opened.window = std::make_unique<QuickFindDialog>(*m_host, *m_keyboards);
        fieldName = u"txtWord"_s;
        break;
    case Context::TestAnswer:
        opened.window = std::make_unique<TestWindow>(
            *m_host, *m_entryForms, m_messages, *m_keyboards, m_fixture.clock, *m_settings, m_help,
            m_sound, QStringList{u"All"_s}, u"All"_s);
        fieldName = u"txtGuess"_s;
        break;
    case Context::SheetHeadword: return openSheet(0);
    case Context::SheetDefinition: return openSheet(1);
    }
    showActive(*opened.window);
    auto* field = opened.window->findChild<QLineEdit*>(fieldName);
    if (QTest::qWaitFor([&] { return field && field->hasFocus(); }))
        opened.field = field;
    return opened;
}

OpenContext TestKeyboardsOnDesktops::openSheet(int column)
{
    OpenContext opened;
    opened.window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(opened.window.get());
    auto* sheet = new VocabGrid(*m_model, *m_keyboards, m_host->currentVocabulary());
    layout->addWidget(sheet);
    if (!showActive(*opened.window) || !sheet->dataRefresh())
        return opened;
    sheet->setFocus();
    sheet->setCurrentIndex(m_model->index(0, column));
    QTest::keyClick(sheet, Qt::Key_F2);
    opened.field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (opened.field)
        opened.field->clear();
    return opened;
}

void TestKeyboardsOnDesktops::everyContextTypesInItsLayout_data()
{
    QTest::addColumn<Context>("context");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("typed");    // by the keys "y2"
    QTest::addColumn<QString>("language"); // as input methods are told

    const QString cs = u"cs-CZ"_s;
    QTest::newRow("quick find") << Context::QuickFind << int(CzechGroup) << u"zě"_s << cs;
    QTest::newRow("test answer box") << Context::TestAnswer << int(CzechGroup) << u"zě"_s << cs;
    QTest::newRow("data sheet, headword")
        << Context::SheetHeadword << int(CzechGroup) << u"zě"_s << cs;
    QTest::newRow("data sheet, definition")
        << Context::SheetDefinition << int(UsGroup) << u"y2"_s << u"en-US"_s;
}

void TestKeyboardsOnDesktops::everyContextTypesInItsLayout()
{
    QFETCH(Context, context);
    QFETCH(int, group);
    QFETCH(QString, typed);
    const OpenContext opened = open(context);
    QVERIFY(opened.field);
    QCOMPARE(m_probe->activeLayout(), group);
    m_probe->pressKeys("y2");
    QTRY_COMPARE(opened.field->text(), typed);
    QInputMethodQueryEvent query(Qt::ImPreferredLanguage);
    QCoreApplication::sendEvent(opened.field, &query);
    QTEST(query.value(Qt::ImPreferredLanguage).toString(), "language");

    // Another window takes the focus: the user's layout is back. (Modal, like the windows of
    // quick find and the test, so that those do not keep it from the focus.)
    QWidget other;
    other.setWindowModality(Qt::ApplicationModal);
    QVERIFY(showActive(other));
    QTRY_COMPARE(m_probe->activeLayout(), GermanGroup);
    QVERIFY(m_messages.shown().isEmpty());
}

QString TestKeyboardsOnDesktops::state(const MainWindow& window) const
{
    return stateOf(m_probe->activeLayout(), window.findChild<QLabel*>(u"keyboard"_s)->text());
}

void TestKeyboardsOnDesktops::mainWindowTypesInEachContextsLayout()
{
    // Keys by name and another program's window need the X server.
    auto* x11 = dynamic_cast<X11Probe*>(m_probe.get());
    if (!x11)
        QSKIP("drives the main window on an X server only");
    const Activation activation =
        x11->hasWindowManager() ? Activation::ByPlatform : Activation::ByTest;
    const auto expectActive = [this, activation](QWidget* window) {
        if (activation == Activation::ByTest)
            window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTRY_VERIFY(m_probe->hasFocus(*window));
    };
    QStandardPaths::setTestModeEnabled(true);

    // Headwords are typed in Czech, definitions in US English.
    MainWindowFixture fixture;
    fixture.useKeyboards(*m_backend);
    const QString path = fixture.vocabulary(u"words.lxm"_s, {u"uno|one"_s, u"dos|two"_s});
    {
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.createProperty(u"UserKeybH"_s, Czech));
        QVERIFY(db.createProperty(u"UserKeybD"_s, Us));
    }
    MainWindow& window = fixture.start({path});
    window.show();
    expectActive(&window);
    QVERIFY(!QTest::currentTestFailed());
    const QString czech = stateOf(CzechGroup, u"Czech"_s);
    const QString us = stateOf(UsGroup, u"English (United States)"_s);

    // The sheet's headword column: the first key starts an edit, in Czech.
    VocabGrid& grid = window.grid();
    grid.setCurrentIndex(grid.model()->index(0, 0));
    grid.setFocus();
    QTRY_COMPARE(state(window), czech);
    x11->pressKeys("2");
    QTRY_COMPARE(focusedText(), u"ě"_s);
    x11->pressKey("Escape");
    QTRY_VERIFY(!grid.isEditing());

    // F5: the entry form's fields type in their own layouts from the first key on.
    x11->pressKey("F5");
    QTRY_VERIFY(window.findChild<QWidget*>(u"frmAdd"_s));
    auto* form = window.findChild<QWidget*>(u"frmAdd"_s);
    expectActive(form);
    QVERIFY(!QTest::currentTestFailed());
    QTRY_COMPARE(state(window), czech);
    x11->pressKeys("y2");
    QTRY_COMPARE(focusedText(), u"zě"_s);
    x11->pressKey("Tab");
    QTRY_COMPARE(state(window), us);
    x11->pressKeys("y2");
    QTRY_COMPARE(focusedText(), u"y2"_s);
    for (auto* field : form->findChildren<QLineEdit*>())
        field->clear();
    form->findChild<QPlainTextEdit*>()->clear();
    form->findChild<QPushButton*>(u"cmdClose"_s)->click();
    expectActive(&window);
    QVERIFY(!QTest::currentTestFailed());

    // F7 from the sheet's definition column: quick find types in Czech, and the sheet is back
    // in its column's layout afterwards.
    QTRY_COMPARE(state(window), czech);
    x11->pressKey("Right");
    QTRY_COMPARE(state(window), us);
    QVERIFY(runInModalWindow(
        u"frmQSearch"_s, activation, [x11] { x11->pressKey("F7"); },
        [&](QWidget* find) {
            QTRY_VERIFY(x11->hasFocus(*find));
            QTRY_COMPARE(state(window), czech);
            x11->pressKeys("2y");
            QTRY_COMPARE(focusedText(), u"ěz"_s);
            x11->pressKey("Escape");
        }));
    expectActive(&window);
    QTRY_COMPARE(state(window), us);

    // The test window's answer box.
    QVERIFY(runInModalWindow(
        u"frmTest"_s, activation, [&fixture] { fixture.action(u"test"_s)->trigger(); },
        [&](QWidget* test) {
            QTRY_VERIFY(x11->hasFocus(*test));
            QTRY_COMPARE(state(window), czech);
            x11->pressKeys("2y");
            QTRY_COMPARE(focusedText(), u"ěz"_s);
            test->findChild<QPushButton*>(u"cmdFinish"_s)->click();
        }));

    // Another program gets the focus, and the user's own layout is back for it.
    expectActive(&window);
    grid.setFocus();
    QTRY_COMPARE(state(window), us);
    x11->takeFocus();
    QTRY_COMPARE(state(window), stateOf(GermanGroup, QString()));
    x11->giveFocus(window.winId());
    QTRY_COMPARE(state(window), us);

    // Exit gives it back at once: the program ends without handling the events still to come.
    fixture.action(u"mnuVocExit"_s)->trigger();
    QCOMPARE(m_probe->activeLayout(), int(GermanGroup));
    fixture.stop();
    QCOMPARE(m_probe->activeLayout(), int(GermanGroup));
    QVERIFY(fixture.messages.shown().isEmpty());
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
