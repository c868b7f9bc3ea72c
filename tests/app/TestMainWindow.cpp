#include "app/MainWindow.h"
#include "app/VocabGrid.h"
#include "app/VocabularySession.h"
#include "store/Database.h"
#include "shell/SettingsStore.h"
#include "entries/EntryForm.h"
#include "store/SqlQuery.h"
#include "store/QueryBudget.h"
#include "support/MainWindowFixture.h"
#include "support/StoreFixture.h"
#include "support/ModalWindow.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x0409; // the user's own layout
constexpr qint32 Czech = 0x0405;
constexpr qint32 German = 0x0407;

// What the user does, and the layout active and named in the status bar afterwards.
struct FocusStep {
    QString action;
    qint32 active;
    QString panel;
};
using FocusSteps = QList<FocusStep>;

} // namespace

Q_DECLARE_METATYPE(FocusSteps)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QueryBudget::setTimeLimit(std::chrono::milliseconds(300));
    }
    void init();
    void cleanup();
    void firstRunWelcomesAndOpensASample();
    void commandStates_data();
    void commandStates();
    void commandLineFileSkipsTheWelcome();
    void refusedStartupVocabularyIsNotSavedAsLastOpen();
    void recentListAndStartPage();
    void settingsAreWrittenAtExit();
    void testModesFollowTheirRows();
    void addSwitchOpensTheEntryForm();
    void keyboardFollowsTheFocus_data();
    void keyboardFollowsTheFocus();
    void missingLayoutIsReportedOnceTheFocusSettled();
    void exitGivesBackTheLayoutOfASheetWithoutFocus();
    void propertiesAndOptionsOpenOnce();
    void formsGoWithTheirVocabulary_data();
    void formsGoWithTheirVocabulary();
    void keyboardComesBackToTheFormAfterABox_data();
    void keyboardComesBackToTheFormAfterABox();
    void failedNewKeepsTheOpenVocabulary();
    void unreadableVocabularyIsReported();
    void importFillsTheDataSheetAndSaysWhatItDid();
    void progressFollowsTheOpenVocabulary();

    // Files and settings from elsewhere
    void slowTestModesAreLeftOut_data();
    void slowTestModesAreLeftOut();
    void hugeHeadwordIsShownCut();
    void unreadableFileNameIsRefusedWithItsReason();
    void damagedVocabularyOffersToSaveWhatCanBeRead();

private:
    MainWindow& start(const QStringList& arguments = {}) { return m_fx->start(arguments); }
    QAction* action(const QString& name) const { return m_fx->action(name); }
    QString panel(const QString& name) const
    {
        return m_window()->findChild<QLabel*>(name)->text();
    }
    /// The objectName of what the main window shows: the sheet, the start page or the blank.
    QString shown() const;
    EntryForm* openForm(const QString& command) const;
    /// The commands of the Test menu by the test mode they start.
    QHash<QString, QAction*> testModes() const;
    /// Starts and shows the main window and lets its start-up run; the modal windows that come
    /// up meanwhile are closed at once, their names kept in `modalsShown`.
    void startClosingModals(QStringList& modalsShown, const QStringList& arguments = {});
    // A vocabulary in the test's folder with one-line entries "uno", "dos"... as given.
    QString vocabulary(const QString& name, int entries = 1) const;
    SettingsStore written(const QString& file = u"settings.conf"_s) const
    {
        return SettingsStore(m_fx->path(file));
    }
    MainWindow* m_window() const { return m_fx->window(); }
    QString vocabularyWithKeyboards(qint32 head, qint32 definition);
    void openWithKeyboards(qint32 head, qint32 definition);
    void runFocusSteps(const FocusSteps& steps, qsizetype& next, bool inModal);
    void doFocusStep(const QString& action);
    void checkFocusStep(const FocusStep& step);

    std::unique_ptr<MainWindowFixture> m_fx;
    QPointer<QMenu> m_menu;
    QWindow m_elsewhere; // a window that is none of the program's
};

void TestMainWindow::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
}

void TestMainWindow::cleanup()
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    m_fx->stop();
    QVERIFY(m_fx->messages.allAnswersUsed());
    QVERIFY(m_fx->files.allResultsUsed());
    m_fx.reset();
}

QString TestMainWindow::shown() const
{
    return m_window()->findChild<QStackedWidget*>()->currentWidget()->objectName();
}

EntryForm* TestMainWindow::openForm(const QString& command) const
{
    action(command)->trigger();
    auto* form = m_window()->findChild<EntryForm*>(u"frmAdd"_s);
    return form && QTest::qWaitForWindowActive(form) ? form : nullptr;
}

QHash<QString, QAction*> TestMainWindow::testModes() const
{
    QHash<QString, QAction*> modes;
    for (QAction* item : m_window()->findChild<QMenu*>(u"mnuTest"_s)->actions())
        modes.insert(item->data().toString(), item);
    return modes;
}

void TestMainWindow::startClosingModals(QStringList& modalsShown, const QStringList& arguments)
{
    const ModalWatch watch([&](QWidget* modal) {
        modalsShown.append(modal->objectName());
        modal->close();
    });
    start(arguments).show();
    // The first activation runs from a zero timer queued by show(); this one runs after it.
    bool activated = false;
    QTimer::singleShot(0, this, [&] { activated = true; });
    QTRY_VERIFY(activated);
}

QString TestMainWindow::vocabulary(const QString& name, int entries) const
{
    const QStringList words{u"uno|meaning"_s, u"dos|meaning"_s, u"tres|meaning"_s};
    return m_fx->vocabulary(name, words.first(entries));
}

void TestMainWindow::firstRunWelcomesAndOpensASample()
{
    m_fx->useSettings(u"fresh.conf"_s);
    const QString copy = m_fx->userFolder() + u"/Spa-Eng.lxm"_s;
    bool welcomed = false;
    const ModalWatch answer([&](QWidget* welcome) {
        if (welcomed)
            return;
        welcome->findChild<QRadioButton*>(u"optSample"_s)->setChecked(true);
        welcome->findChild<QPushButton*>(u"cmdOK"_s)->click();
        welcomed = true;
    });
    start().show();
    QTRY_VERIFY(welcomed);
    QTRY_COMPARE(m_window()->windowTitle(), u"Spa-Eng - Lex Mint"_s);
    QCOMPARE(shown(), u"VocabGrid"_s);
    QVERIFY(panel(u"no_entries"_s).endsWith(u" entries"_s));
    // The learner works in a copy of their own; the installed sample stays as shipped.
    QCOMPARE(panel(u"filepath"_s), copy);
    QCOMPARE(fileBytes(m_fx->programDir() + u"Spa-Eng.lxm"_s),
             fileBytes(buildDataDir() + u"/Spa-Eng.lxm"_s));

    m_window()->close();
    const SettingsStore settings = written(u"fresh.conf"_s);
    QCOMPARE(settings.recent(1), copy);
    QCOMPARE(settings.text(SettingsKey::StartupDB), copy);
    QCOMPARE(settings.text(SettingsKey::MainWinState), u"0"_s);
}

void TestMainWindow::commandStates_data()
{
    // A command the user can reach is visible and enabled.
    QTest::addColumn<int>("entries"); // -1: nothing open
    QTest::addColumn<QStringList>("reachable");
    QTest::addColumn<QStringList>("unreachable");

    const QStringList fileCommands{u"mnuVocabProps"_s, u"mnuVocClose"_s, u"mnuVocImport"_s,
                                   u"mnuVocExport"_s, u"mnuEntryAdd"_s};
    const QStringList entryCommands{u"mnuEntryEdit"_s, u"mnuEntryFind"_s, u"test"_s,
                                    u"mnuViewRefresh"_s};
    QTest::newRow("nothing open") << -1
                                  << QStringList{u"mnuVocNew"_s, u"mnuVocOpen"_s,
                                                 u"mnuViewOptions"_s, u"mnuHelpTopics"_s}
                                  << fileCommands + entryCommands;
    QTest::newRow("empty vocabulary") << 0 << fileCommands << entryCommands;
    QTest::newRow("with entries") << 2 << fileCommands + entryCommands << QStringList();
}

void TestMainWindow::commandStates()
{
    QFETCH(int, entries);
    QFETCH(QStringList, reachable);
    QFETCH(QStringList, unreachable);

    start(entries < 0 ? QStringList() : QStringList{vocabulary(u"a.lxm"_s, entries)});
    for (const QString& name : reachable)
        QVERIFY2(action(name)->isVisible() && action(name)->isEnabled(), qPrintable(name));
    for (const QString& name : unreachable)
        QVERIFY2(!action(name)->isVisible() || !action(name)->isEnabled(), qPrintable(name));
    QCOMPARE(m_window()->findChild<QMenu*>(u"mnuEntry"_s)->menuAction()->isVisible(), entries >= 0);
    QCOMPARE(m_window()->findChild<QMenu*>(u"mnuTest"_s)->menuAction()->isVisible(), entries > 0);
    QCOMPARE(shown(), entries < 0 ? u"StartPage"_s : u"VocabGrid"_s);
    QCOMPARE(panel(u"no_entries"_s), entries < 0 ? QString() : u"%1 entries"_s.arg(entries));
}

void TestMainWindow::commandLineFileSkipsTheWelcome()
{
    m_fx->useSettings(u"fresh.conf"_s);
    QStringList modalsShown;
    startClosingModals(modalsShown, {vocabulary(u"mine.lxm"_s)});
    QCOMPARE(modalsShown, QStringList());
    QCOMPARE(m_window()->windowTitle(), u"Mine - Lex Mint"_s);
    QCOMPARE(panel(u"no_entries"_s), u"1 entries"_s);
}

void TestMainWindow::refusedStartupVocabularyIsNotSavedAsLastOpen()
{
    m_fx->settings().setText(SettingsKey::StartupDB,
                             writeFile(m_fx->path(QString()), u"bad.lxm"_s, QByteArray(2048, 'x')));
    start();
    QCOMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(m_fx->messages.shown().first().title, u"Open Vocabulary"_s);
    QVERIFY(!m_window()->session().isOpen());
    QCOMPARE(shown(), u"StartPage"_s);
    m_window()->close();
    QCOMPARE(written().text(SettingsKey::StartupDB), QString());
}

void TestMainWindow::recentListAndStartPage()
{
    const auto click = [this](const QString& name) {
        auto* button = m_window()->findChild<QAbstractButton*>(name);
        QVERIFY2(button && button->isVisibleTo(m_window()), qPrintable(name));
        button->click();
    };
    for (const QString& name : {u"a.lxm"_s, u"b.lxm"_s, u"c.lxm"_s})
        m_fx->files.expect(vocabulary(name, 2));
    start();
    QVERIFY(!m_window()->findChild<QWidget*>(u"start_mnuVocabRecent1"_s)->isVisibleTo(m_window()));
    click(u"start_mnuVocOpen"_s);
    action(u"mnuVocOpen"_s)->trigger();
    action(u"mnuVocOpen"_s)->trigger();
    QCOMPARE(action(u"mnuVocabRecent1"_s)->text(), u"&1 C"_s);
    QCOMPARE(action(u"mnuVocabRecent3"_s)->text(), u"&3 A"_s);

    action(u"mnuVocClose"_s)->trigger();
    QCOMPARE(m_window()->windowTitle(), u"Lex Mint"_s);
    QCOMPARE(shown(), u"StartPage"_s);
    QVERIFY(!m_window()->findChild<QMenu*>(u"mnuEntry"_s)->menuAction()->isVisible());
    QCOMPARE(panel(u"no_entries"_s) + panel(u"filepath"_s), QString());
    click(u"start_mnuVocabRecent1"_s);
    QCOMPARE(m_window()->windowTitle(), u"C - Lex Mint"_s);
    QCOMPARE(panel(u"no_entries"_s), u"2 entries"_s);
    // Reopening does not add the toolbar's separator a second time.
    const auto* toolbar = m_window()->findChild<QToolBar*>(u"Toolbar1"_s);
    QCOMPARE(toolbar->findChildren<QAction*>(u"findsep"_s).size(), 1);

    // A file that is gone leaves the list, and the open vocabulary stays.
    QVERIFY(QFile::remove(m_fx->path(u"b.lxm"_s)));
    action(u"mnuVocabRecent2"_s)->trigger();
    QCOMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(action(u"mnuVocabRecent2"_s)->text(), u"&2 A"_s);
    QVERIFY(!action(u"mnuVocabRecent3"_s)->isVisible());
    QCOMPARE(m_window()->windowTitle(), u"C - Lex Mint"_s);

    // Only the samples that are installed are offered; one opens as the learner's own copy.
    action(u"mnuVocClose"_s)->trigger();
    QVERIFY(!m_window()->findChild<QAbstractButton*>(u"start_Fre-Eng.lxm"_s));
    click(u"start_Spa-Eng.lxm"_s);
    QCOMPARE(panel(u"filepath"_s), m_fx->userFolder() + u"/Spa-Eng.lxm"_s);
}

void TestMainWindow::settingsAreWrittenAtExit()
{
    // Named on the command line relative to the current folder, the file is remembered under
    // its absolute path, so that a start from another folder finds it, and it is listed once.
    m_fx->settings().setNumber(SettingsKey::MainWidth, 9000);
    const QString path = vocabulary(u"mine.lxm"_s);
    m_fx->settings().setRecent(1, path);
    QVERIFY(QDir(m_fx->path(QString())).mkdir(u"sub"_s));
    QVERIFY(QDir::setCurrent(m_fx->path(u"sub"_s)));
    start({u"./..//mine.lxm"_s}).showMaximized();
    QCOMPARE(panel(u"filepath"_s), path);
    action(u"mnuViewToolbar"_s)->trigger();
    QVERIFY(!m_window()->findChild<QToolBar*>(u"Toolbar1"_s)->isVisibleTo(m_window()));
    m_window()->close();

    const SettingsStore settings = written();
    QCOMPARE((QStringList{
                 settings.text(SettingsKey::MainWinState), settings.text(SettingsKey::MainWidth),
                 settings.text(SettingsKey::Toolbar), settings.text(SettingsKey::Statusbar),
                 settings.text(SettingsKey::StartupDB), settings.recent(1), settings.recent(2)}),
             (QStringList{u"2"_s, u"9000"_s, u"No"_s, u"Yes"_s, path, path, QString()}));
}

void TestMainWindow::testModesFollowTheirRows()
{
    start({vocabulary(u"mine.lxm"_s, 2)});
    const QHash<QString, QAction*> modes = testModes();
    QVERIFY(modes.value(u"Never Tested"_s)->isEnabled());
    QVERIFY(!modes.value(u"Last Answer Wrong"_s)->isEnabled());

    // While the test runs, the sheet and the caption give no answer away.
    const auto captionAndShown = [this] { return m_window()->windowTitle() + u" | "_s + shown(); };
    QString duringTest;
    {
        const ModalWatch answer([&](QWidget* modal) {
            if (modal->objectName() == u"frmTest"_s)
                duringTest = captionAndShown();
            modal->close();
        });
        action(u"test"_s)->trigger();
    }
    QCOMPARE(duringTest, u"Mine (hidden while testing)  - Lex Mint | Blank"_s);
    QCOMPARE(captionAndShown(), u"Mine - Lex Mint | VocabGrid"_s);
}

void TestMainWindow::addSwitchOpensTheEntryForm()
{
    start({u"--add"_s, vocabulary(u"mine.lxm"_s)}).show();
    QTRY_VERIFY(MainWindowFixture::shownWindow(u"frmAdd"_s));
}

QString TestMainWindow::vocabularyWithKeyboards(qint32 head, qint32 definition)
{
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    Database db;
    if (!db.open(path) || !db.createProperty(u"UserKeybH"_s, head)
        || !db.createProperty(u"UserKeybD"_s, definition))
        return QString();
    return path;
}

void TestMainWindow::openWithKeyboards(qint32 head, qint32 definition)
{
    const QString path = vocabularyWithKeyboards(head, definition);
    QVERIFY(!path.isEmpty());
    start({path}).show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
}

void TestMainWindow::keyboardFollowsTheFocus_data()
{
    // Headwords are typed in Czech, definitions in German. A step that opens a modal window
    // (F7: quick find, or the test) runs the steps after it inside that window, up to the one
    // that closes it.
    QTest::addColumn<FocusSteps>("steps");
    const QString czech = u"Czech"_s;
    const QString german = u"German (Standard)"_s;
    const FocusStep sheet{u"sheet"_s, Czech, czech};
    const FocusStep definitions{u"definitions"_s, German, german};
    const FocusStep form{u"F5"_s, Czech, czech};
    const FocusStep backToForm{u"form"_s, Czech, czech};
    const FocusStep backToDefinitions{u"main"_s, German, german};
    const FocusStep quickFind{u"F7"_s, Czech, czech};
    const FocusStep away{u"away"_s, UsEnglish, QString()};
    const FocusStep exit{u"exit"_s, UsEnglish, QString()};
    const auto inCzech = [&](const QString& action) { return FocusStep{action, Czech, czech}; };

    QTest::newRow("sheet, entry form, main window, entry form")
        << FocusSteps{sheet, definitions, form, backToDefinitions, backToForm, exit};
    // The offscreen platform leaves no window active after a dialog; a window manager would
    // activate the main window, as "main" does.
    QTest::newRow("sheet, quick find, sheet") << FocusSteps{
        sheet, definitions, quickFind, {u"Esc"_s, UsEnglish, QString()}, backToDefinitions, exit};
    QTest::newRow("exit from quick find") << FocusSteps{sheet, definitions, quickFind, exit};
    QTest::newRow("exit from the test") << FocusSteps{sheet, definitions, inCzech(u"test"_s), exit};
    QTest::newRow("context menu of a field")
        << FocusSteps{sheet, form, inCzech(u"menu"_s), inCzech(u"menu closed"_s), exit};
    QTest::newRow("menu bar over the sheet")
        << FocusSteps{sheet, inCzech(u"Alt"_s), inCzech(u"Down"_s), inCzech(u"Esc"_s), exit};
    QTest::newRow("another window takes the focus")
        << FocusSteps{sheet, form, away, backToForm, away, inCzech(u"main"_s), exit};
}

void TestMainWindow::keyboardFollowsTheFocus()
{
    QFETCH(FocusSteps, steps);
    openWithKeyboards(Czech, German);
    qsizetype next = 0;
    runFocusSteps(steps, next, false);
}

// Carries out the steps from `next` on and checks each, until one closes the modal window they
// run in (`next` is then that step, left for the caller to check) or none is left. A step that
// opens a modal window runs the steps after it from inside that window's event loop.
void TestMainWindow::runFocusSteps(const FocusSteps& steps, qsizetype& next, bool inModal)
{
    for (; next < steps.size(); ++next) {
        const FocusStep& step = steps.at(next);
        const QString modal = step.action == u"F7" ? u"frmQSearch"_s
            : step.action == u"test"               ? u"frmTest"_s
                                                   : QString();
        if (modal.isEmpty()) {
            doFocusStep(step.action);
            if (inModal && (step.action == u"Esc" || step.action == u"exit"))
                return;
        } else {
            qsizetype inside = next + 1;
            const bool ran = runInModalWindow(
                modal, Activation::ByPlatform, [&] { doFocusStep(step.action); },
                [&](QWidget*) {
                    checkFocusStep(step);
                    if (!QTest::currentTestFailed())
                        runFocusSteps(steps, inside, true);
                });
            QVERIFY2(ran, qPrintable(modal + u" did not open"_s));
            QVERIFY(inside < steps.size());
            next = inside;
        }
        if (QTest::currentTestFailed())
            return;
        checkFocusStep(steps.at(next));
        if (QTest::currentTestFailed())
            return;
    }
}

void TestMainWindow::doFocusStep(const QString& what)
{
    VocabGrid& grid = m_window()->grid();
    auto* form = m_window()->findChild<QWidget*>(u"frmAdd"_s);
    if (what == u"sheet") {
        grid.setCurrentIndex(grid.model()->index(0, 0));
        grid.setFocus();
    } else if (what == u"definitions") {
        QTest::keyClick(&grid, Qt::Key_Right);
    } else if (what == u"F5" || what == u"F7" || what == u"test") {
        action(what == u"F5"       ? u"mnuEntryAdd"_s
                   : what == u"F7" ? u"mnuEntryFind"_s
                                   : what)
            ->trigger();
        if (what == u"F5")
            QTRY_COMPARE(QApplication::activeWindow(),
                         m_window()->findChild<QWidget*>(u"frmAdd"_s));
    } else if (what == u"main" || what == u"form") {
        // The widgets learn of an activation after the platform's window does.
        QWidget* window = what == u"main" ? m_window() : form;
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    } else if (what == u"menu") {
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field);
        m_menu = field->createStandardContextMenu();
        m_menu->setAttribute(Qt::WA_DeleteOnClose);
        m_menu->popup(field->mapToGlobal(QPoint()));
        QTRY_VERIFY(m_menu->isVisible());
    } else if (what == u"menu closed") {
        m_menu->close();
    } else if (what == u"away") {
        m_elsewhere.show();
        m_elsewhere.requestActivate();
        QTRY_VERIFY(!QApplication::activeWindow());
    } else if (const QHash<QString, Qt::Key> keys{{u"Alt"_s, Qt::Key_Alt},
                                                  {u"Down"_s, Qt::Key_Down},
                                                  {u"Tab"_s, Qt::Key_Tab},
                                                  {u"Esc"_s, Qt::Key_Escape}};
               keys.contains(what)) {
        QTest::keyClick(QApplication::focusWidget(), keys.value(what));
    } else if (what == u"exit") {
        m_window()->close();
    } else {
        QFAIL(qPrintable(u"no step "_s + what));
    }
}

void TestMainWindow::checkFocusStep(const FocusStep& step)
{
    const auto state = [&](qint32 active, const QString& panelText) {
        return u"after %1: %2 active, panel \"%3\""_s.arg(step.action)
            .arg(active, 0, 16)
            .arg(panelText);
    };
    // The program ends right after Exit, without handling the events still to come.
    if (step.action == u"exit")
        QCOMPARE(state(m_fx->backend.activeLayout(), panel(u"keyboard"_s)),
                 state(step.active, step.panel));
    else
        QTRY_COMPARE(state(m_fx->backend.activeLayout(), panel(u"keyboard"_s)),
                     state(step.active, step.panel));
}

void TestMainWindow::missingLayoutIsReportedOnceTheFocusSettled()
{
    // Definitions in Russian, which is not installed. The message comes once the focus change
    // is over: every receiver has been told of it, and the status bar names the layout.
    openWithKeyboards(German, 0x0419);
    QString lastToldOf;
    connect(qApp, &QApplication::focusChanged, this,
            [&](QWidget*, QWidget* now) { lastToldOf = now ? now->objectName() : QString(); });
    QStringList atMessage;
    m_fx->messages.setOnShow([&](const Message& message) {
        atMessage << message.title << lastToldOf << panel(u"keyboard"_s);
    });
    doFocusStep(u"F5"_s);
    doFocusStep(u"Tab"_s);
    QTRY_COMPARE(atMessage, (QStringList{u"Keyboard Not Installed"_s, u"txtDef"_s, u"Russian"_s}));
    // Once per run of the program.
    doFocusStep(u"main"_s);
    doFocusStep(u"form"_s);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"txtDef"_s);
    QCOMPARE(m_fx->messages.shown().size(), 1);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TestMainWindow::exitGivesBackTheLayoutOfASheetWithoutFocus()
{
    // Opened from the menu while no widget has the focus, the sheet switches to its layout at
    // once; Exit gives the user's own back although the sheet never had the focus.
    start().show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
    if (QWidget* startPage = QApplication::focusWidget())
        startPage->clearFocus();
    m_fx->files.expect(vocabularyWithKeyboards(Czech, German));
    action(u"mnuVocOpen"_s)->trigger();
    QCOMPARE(m_fx->backend.activeLayout(), Czech);
    QVERIFY(!m_window()->grid().hasFocus());
    m_window()->close();
    QCOMPARE(m_fx->backend.activeLayout(), UsEnglish);
}

void TestMainWindow::propertiesAndOptionsOpenOnce()
{
    start({vocabulary(u"mine.lxm"_s)});
    for (const auto& [command, name] : {std::pair{u"mnuVocabProps"_s, u"frmProperties"_s},
                                        std::pair{u"mnuViewOptions"_s, u"frmOptions"_s}}) {
        action(command)->trigger();
        auto* dialog = m_window()->findChild<QDialog*>(name);
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        // A second request brings the open dialog to the front without loading it again.
        auto* box = dialog->findChild<QCheckBox*>(u"chkWarnDoubles"_s);
        box->click();
        const bool changed = box->isChecked();
        action(command)->trigger();
        QCOMPARE(m_window()->findChildren<QDialog*>(name).size(), 1);
        QCOMPARE(box->isChecked(), changed);
    }
    // The running program follows the new start-up choice: the vocabulary open at exit is
    // no longer remembered.
    auto* options = m_window()->findChild<QDialog*>(u"frmOptions"_s);
    options->findChild<QRadioButton*>(u"optSDBlank"_s)->click();
    options->findChild<QPushButton*>(u"cmdOK"_s)->click();
    m_window()->close();
    QCOMPARE(written().text(SettingsKey::StartupDB), QString());
}

void TestMainWindow::formsGoWithTheirVocabulary_data()
{
    QTest::addColumn<QString>("command"); // what makes the vocabulary go
    QTest::addColumn<QString>("after");   // the file open afterwards, unless the form is kept
    QTest::addColumn<bool>("typed");
    QTest::addColumn<MessageAnswer>("answer"); // to "Discard changes?"

    const std::pair<const char*, QString> commands[] = {{"mnuVocOpen", u"b.lxm"_s},
                                                        {"mnuVocabRecent2", u"b.lxm"_s},
                                                        {"mnuVocNew", u"c.lxm"_s},
                                                        {"mnuVocClose", QString()},
                                                        {"mnuVocExit", u"a.lxm"_s}};
    for (const auto& [command, after] : commands) {
        const QString name = QString::fromLatin1(command);
        QTest::addRow("%s, untouched", command) << name << after << false << MessageAnswer::Yes;
        QTest::addRow("%s, discarded", command) << name << after << true << MessageAnswer::Yes;
        QTest::addRow("%s, kept", command) << name << after << true << MessageAnswer::No;
    }
}

void TestMainWindow::formsGoWithTheirVocabulary()
{
    QFETCH(QString, command);
    QFETCH(QString, after);
    QFETCH(bool, typed);
    QFETCH(MessageAnswer, answer);

    // Entries with the same IDs in both files.
    const QString a = vocabulary(u"a.lxm"_s, 3);
    const QString b = m_fx->vocabulary(u"b.lxm"_s, {u"eins|x"_s, u"zwei|x"_s, u"drei|x"_s});
    const auto entriesOf = [](const QString& path) {
        Database db;
        return db.open(path) ? SqlQuery::scalar(db,
                                                u"SELECT group_concat(ID || Headword) "
                                                "FROM Headwords"_s)
                                   ->toString()
                             : QString();
    };
    const QString bEntries = entriesOf(b);
    start({b}).show();
    m_fx->files.expect(a);
    action(u"mnuVocOpen"_s)->trigger(); // b is the second recent vocabulary now
    QPointer<EntryForm> form = openForm(u"mnuEntryEdit"_s);
    QVERIFY(form);
    const QObject* formWindow = form;
    if (typed) {
        form->findChild<QLineEdit*>(u"txtHead"_s)->setText(u"cambiado"_s);
        m_fx->messages.expect(answer);
    }
    const bool kept = typed && answer == MessageAnswer::No;
    const QString opened = after.isEmpty() ? QString() : m_fx->path(after);
    if (!kept && (command == u"mnuVocOpen"_s || command == u"mnuVocNew"_s))
        m_fx->files.expect(opened);
    action(command)->trigger();

    // Only a form with changes asks, over itself; No keeps everything as it was.
    QCOMPARE(m_fx->messages.shown().size(), int(typed));
    if (typed)
        QCOMPARE(m_fx->messages.shown().first().window, formWindow);
    QCOMPARE(form && form->isVisible(), kept);
    QCOMPARE(m_window()->session().current().path, kept ? a : opened);
    QCOMPARE(m_window()->isVisible(), kept || command != u"mnuVocExit"_s);
    QCOMPARE(entriesOf(b), bEntries);
    if (form)
        form->dismiss();
}

void TestMainWindow::keyboardComesBackToTheFormAfterABox_data()
{
    QTest::addColumn<bool>("closing"); // the close box, with changes kept; else Add

    QTest::newRow("no definition") << false;
    QTest::newRow("changes kept") << true;
}

void TestMainWindow::keyboardComesBackToTheFormAfterABox()
{
    QFETCH(bool, closing);

    start({vocabulary(u"a.lxm"_s)}).show();
    QVERIFY(QTest::qWaitForWindowActive(m_window()));
    QPointer<EntryForm> form = openForm(u"mnuEntryAdd"_s);
    QVERIFY(form);
    auto* head = form->findChild<QLineEdit*>(u"txtHead"_s);
    QTest::keyClicks(head, u"Kuh"_s);
    // As a window manager does when a box that belongs to the main window closes: the main
    // window is active again, with the data sheet focused.
    m_fx->messages.setOnShow([this](const Message&) {
        m_window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window()));
        m_window()->grid().setFocus();
    });
    if (closing) {
        m_fx->messages.expect(MessageAnswer::No);
        form->close();
    } else {
        form->findChild<QPushButton*>(u"cmdAdd"_s)->click();
    }
    m_fx->messages.setOnShow({});
    QCOMPARE(m_fx->messages.shown().size(), 1);

    // The next key goes on typing in the form, instead of editing the data sheet.
    QTRY_VERIFY(head->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QCOMPARE(head->text(), u"Kuhs"_s);
    QVERIFY(!m_window()->grid().isEditing());
    form->dismiss();
}

void TestMainWindow::failedNewKeepsTheOpenVocabulary()
{
    QVERIFY(QFile::remove(m_fx->programDir() + u"vocab.mdn"_s));
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    start({path}).show();
    const QByteArray before = fileBytes(path);
    m_fx->files.expect(path); // New over the open file
    action(u"mnuVocNew"_s)->trigger();

    QCOMPARE(m_fx->messages.shown().size(), 1);
    QVERIFY(m_fx->messages.shown().first().text.startsWith(u"Cannot create new database."_s));
    QVERIFY(m_window()->session().isOpen());
    QCOMPARE(m_window()->windowTitle(), u"Mine - Lex Mint"_s);
    QCOMPARE(m_window()->grid().model()->rowCount(), 2);
    QCOMPARE(fileBytes(path), before);
    m_window()->close();
    QCOMPARE(written().text(SettingsKey::StartupDB), path);
}

void TestMainWindow::unreadableVocabularyIsReported()
{
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    start({path}).show();
    QVERIFY(damageFile(path));
    action(u"mnuViewRefresh"_s)->trigger();
    // One report, with the cause, once the refresh is over.
    QVERIFY(m_fx->messages.shown().isEmpty());
    QTRY_COMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(m_fx->messages.shown().first().text,
             u"The vocabulary could not be read.\r\nfile is not a database"_s);
}

void TestMainWindow::importFillsTheDataSheetAndSaysWhatItDid()
{
    start({vocabulary(u"mine.lxm"_s)});
    m_fx->files.expect(
        writeFile(m_fx->path(QString()), u"more.csv"_s, "cuatro,four\ncinco,five\n"_ba));
    bool imported = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->findChild<QPushButton*>(u"cmdImport"_s)->click();
            imported = true;
        }
    });
    action(u"mnuVocImport"_s)->trigger();
    QTRY_VERIFY(imported);
    QCOMPARE(panel(u"no_entries"_s), u"3 entries"_s);
    QCOMPARE(panel(u"outcome"_s), u"Imported: 2 added, 0 merged, 0 refused."_s);
    QCOMPARE(m_window()->grid().model()->rowCount(), 3);
}

void TestMainWindow::slowTestModesAreLeftOut_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("sql");

    // A query that looks for a row that never comes.
    const QString endless =
        u"AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i AS ID, "
        "'x' AS Headword, NULL AS LastTestedOn, 0 AS Tested, 0 AS Correct, -1 AS LastOK "
        "FROM n WHERE i < 0"_s;
    QTest::newRow("a mode of the file's own")
        << u"Endless"_s << u"CREATE VIEW Endless "_s + endless;
    QTest::newRow("the mode All") << u"All"_s
                                  << u"DROP VIEW \"All\"; CREATE VIEW \"All\" "_s + endless;
}

void TestMainWindow::slowTestModesAreLeftOut()
{
    QFETCH(QString, mode);
    QFETCH(QString, sql);
    const QString path = vocabulary(u"mine.lxm"_s, 2);
    QVERIFY(execRaw(path, sql));
    // As the start-up vocabulary, with a test to start at once.
    m_fx->settings().setText(SettingsKey::StartupDB, path);
    m_fx->settings().setNumber(SettingsKey::StartupForm, 2);
    QStringList modalsShown;
    startClosingModals(modalsShown);

    QCOMPARE(m_fx->messages.shown().size(), 1);
    QCOMPARE(m_fx->messages.shown().first().text,
             u"The test mode \"%1\" takes too long to read and was left out"_s.arg(mode));
    const QHash<QString, QAction*> modes = testModes();
    if (mode == u"All") {
        QVERIFY(!modes.value(u"All"_s)->isEnabled());
        QVERIFY(!action(u"test"_s)->isEnabled());
        QCOMPARE(modalsShown, QStringList());
    } else {
        QVERIFY(!modes.contains(mode));
        QVERIFY(modes.value(u"Never Tested"_s)->isEnabled());
        QCOMPARE(modalsShown, QStringList{u"frmTest"_s});
    }
    // Reading the entries again, as after every change, does not report it again.
    m_window()->contextUpdate();
    QCOMPARE(m_fx->messages.shown().size(), 1);
}

void TestMainWindow::hugeHeadwordIsShownCut()
{
    const QString path = vocabulary(u"mine.lxm"_s, 1);
    QVERIFY(execRaw(path,
                    u"INSERT INTO Headwords (Headword) "
                    "VALUES ('a' || hex(zeroblob(5000000)));"
                    "INSERT INTO Definitions VALUES (last_insert_rowid(), 'huge');"_s));
    start({path}).show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window()));
    const QModelIndex huge = m_window()->grid().model()->index(0, 0);
    QCOMPARE(huge.data(Qt::DisplayRole).toString(), u'a' + QString(49, u'0') + QChar(0x2026));
    QCOMPARE(huge.data(Qt::EditRole).toString().size(), 10'000'001);
}

void TestMainWindow::unreadableFileNameIsRefusedWithItsReason()
{
    CommandLineRequest request;
    request.file = u"/home/me/w\ufffdrter.lxm"_s;
    request.fileNameUnreadable = true;
    m_fx->start(request);
    QCOMPARE(m_fx->messages.shown().size(), 1);
    QVERIFY(m_fx->messages.shown().first().text.startsWith(
        u"Cannot open /home/me/w\ufffdrter.lxm\rThe file's name is not valid UTF-8 text"_s));
    QVERIFY(!m_window()->session().isOpen());
}

void TestMainWindow::damagedVocabularyOffersToSaveWhatCanBeRead()
{
    const QString whole = m_fx->vocabulary(u"whole.lxm"_s, {});
    QVERIFY(addManyEntries(whole, 400));
    const QString damaged =
        writeFile(m_fx->path(QString()), u"damaged.lxm"_s, fileBytes(whole).chopped(1000));
    const QByteArray before = fileBytes(damaged);
    const QString saved = m_fx->path(u"saved.lxm"_s);
    m_fx->messages.expect(MessageAnswer::Yes);
    m_fx->files.expect(saved);
    m_fx->messages.expect(MessageAnswer::Ok);

    start({damaged});
    // Open, read-only, until the user has chosen where to save what can be read.
    QCOMPARE(m_fx->messages.shown().first().icon, MessageIcon::Critical);
    QVERIFY(m_fx->messages.shown().first().text.startsWith(
        u"The vocabulary file %1 is damaged."_s.arg(damaged)));
    QVERIFY(panel(u"filepath"_s).endsWith(u"(read-only)"_s));
    QTRY_COMPARE(m_window()->windowTitle(), u"Saved - Lex Mint"_s);
    QVERIFY(m_fx->messages.shown().last().text.endsWith(u"entries were saved in %1."_s.arg(saved)));
    QVERIFY(!m_window()->session().isReadOnly());
    QVERIFY(panel(u"no_entries"_s).section(u' ', 0, 0).toInt() > 300);
    QCOMPARE(fileBytes(damaged), before);
}

void TestMainWindow::progressFollowsTheOpenVocabulary()
{
    const QString tested = vocabulary(u"tested.lxm"_s, 2);
    QVERIFY(execRaw(
        tested,
        u"INSERT INTO Answers (Entry, Moment, WasRight, Stability) "
        "SELECT ID, %1, 1, 2.3 FROM Headwords"_s.arg(m_fx->clock.now().toMSecsSinceEpoch())));
    m_fx->files.expect(tested);
    start({vocabulary(u"new.lxm"_s)});
    action(u"mnuViewProgress"_s)->trigger();
    auto* progress = m_window()->findChild<QWidget*>(u"frmProgress"_s);
    QVERIFY(progress && progress->isVisible());
    const auto empty = [progress] {
        const auto* label = progress->findChild<QLabel*>(u"lblEmpty"_s);
        return label->isVisible() ? label->text() : QString();
    };
    QVERIFY(empty().startsWith(u"No answers are recorded"_s));

    action(u"mnuVocClose"_s)->trigger();
    QVERIFY(empty().startsWith(u"Open a vocabulary"_s));
    action(u"mnuVocOpen"_s)->trigger();
    QCOMPARE(empty(), QString());
    action(u"mnuViewProgress"_s)->trigger();
    QCOMPARE(m_window()->findChildren<QWidget*>(u"frmProgress"_s).size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
