#include "MainWindow.h"

#include "shell/PathTitles.h"
#include "shell/SettingsStore.h"
#include "app/StartPage.h"
#include "app/VocabGrid.h"
#include "app/VocabularyModel.h"
#include "app/VocabularySession.h"
#include "entries/EntryForms.h"
#include "entries/QuickFind.h"
#include "interchange/widgets/InterchangeCommands.h"
#include "keyboards/KeyboardSwitcher.h"
#include "testing/TestWindow.h"
#include "app/AboutDialog.h"
#include "app/FirstRunDialog.h"
#include "options/OptionsDialog.h"
#include "options/PropertiesDialog.h"
#include "app/ToolbarIcons.h"
#include "platform/AppIdentity.h"
#include "platform/HelpService.h"
#include "platform/MessageService.h"
#include "platform/widgets/ContextHelp.h"
#include "platform/widgets/ElidedLabel.h"
#include "platform/widgets/Twips.h"
#include "progress/widgets/ProgressWindow.h"
#include "store/VocabularyFile.h"
#include "store/VocabularyRows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

namespace lexmint {

namespace {

constexpr int MinimumSizeTwips = 3000;

enum WindowState : qint32 { Normal = 0, Minimised = 1, Maximised = 2 };

/// Shows a modeless window that deletes itself on closing, or brings it to the front.
void present(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
}

/// Adds the desktop's standard keys to each command after the keys it already has, leaving out
/// any sequence another command of the window holds, so that no key does two things.
void addStandardKeys(const QList<QAction*>& windowActions,
                     std::initializer_list<std::pair<QAction*, QKeySequence::StandardKey>> keys)
{
    QList<QKeySequence> taken;
    for (const QAction* action : windowActions)
        taken += action->shortcuts();
    for (const auto& [action, standard] : keys) {
        QList<QKeySequence> sequences = action->shortcuts();
        sequences.removeAll(QKeySequence());
        for (const QKeySequence& sequence : QKeySequence::keyBindings(standard)) {
            if (taken.contains(sequence))
                continue;
            sequences.append(sequence);
            taken.append(sequence);
        }
        action->setShortcuts(sequences);
    }
}

} // namespace

MainWindow::MainWindow(AppServices& services, const CommandLineRequest& commandLine,
                       QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_messages(services.messages, this),
      m_keyboardFocus(services.keyboards)
{
    setObjectName(QStringLiteral("frmVocab"));
    setWindowTitle(applicationTitle());
    setWindowIcon(applicationIcon());
    setMinimumSize(twipsToPixelsX(MinimumSizeTwips, this), twipsToPixelsY(MinimumSizeTwips, this));
    new ContextHelp(services.help, this);

    m_session = new VocabularySession(services.messages, services.files, services.clock,
                                      services.programDir, services.userFolder, this);
    connect(m_session, &VocabularySession::vocabularyOpened, this, [this](const QString& path) {
        m_recent.add(path);
        refreshRecentMenu();
    });
    // An entry form works on the vocabulary it was opened for, and on no other.
    connect(m_session, &VocabularySession::vocabularyClosing, this,
            [this] { m_entryForms->closeAll(); });
    connect(m_session, &VocabularySession::becameReadOnly, this, &MainWindow::contextUpdate);
    connect(m_session, &VocabularySession::salvageRequested, this, [this](const QString& path) {
        if (m_session->saveReadableAsNew(path))
            showOpened();
    });
    connect(m_session, &VocabularySession::computingMemoryStates, this,
            &MainWindow::showComputingMemoryStates);

    auto* model = new VocabularyModel(m_session->sources().vocabulary(), m_messages, this);
    m_grid = new VocabGrid(*model, m_keyboardFocus, m_session->current());
    connect(&m_keyboardFocus, &KeyboardFocus::labelChanged, this, &MainWindow::setKeyboardLabel);
    m_blank = new QWidget;
    m_blank->setObjectName(QStringLiteral("Blank"));
    m_blank->setBackgroundRole(QPalette::Dark);
    m_blank->setAutoFillBackground(true);
    m_centre = new QStackedWidget;
    m_centre->addWidget(m_grid);
    m_centre->addWidget(m_blank);
    setCentralWidget(m_centre);

    m_entryForms = std::make_unique<EntryForms>(*this, services.messages, m_keyboardFocus,
                                                services.clock, qint16(1), this);
    m_interchange =
        new InterchangeCommands(*this, services.messages, services.files, services.clock, this);
    connect(m_interchange, &InterchangeCommands::done, this, &MainWindow::showOutcome);

    // The recent list comes first: its size decides how many menu items it gets.
    m_recent = RecentList::load(services.settings);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    m_startPage =
        new StartPage(m_actions.vocNew, m_actions.vocOpen, m_recentActions, services.programDir);
    connect(m_startPage, &StartPage::sampleChosen, this, &MainWindow::openSample);
    m_centre->addWidget(m_startPage);
    m_centre->setCurrentWidget(m_startPage);

    loadSettings(commandLine);
    if (m_plan.pathUnreadable)
        m_session->refuseUnreadableName(m_plan.path);
    else if (!m_plan.path.isEmpty())
        openAtStartup(m_plan.path);
    contextUpdate();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::addAction(const char* name, const QString& text, void (MainWindow::*slot)(),
                               QKeySequence shortcut)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createActions()
{
    MainActions& a = m_actions;
    a.vocNew = addAction("mnuVocNew", tr("&New..."), &MainWindow::newVocabulary, Qt::Key_F2);
    a.vocNew->setToolTip(tr("New"));
    a.vocOpen =
        addAction("mnuVocOpen", tr("&Open..."), &MainWindow::openVocabularyDialog, Qt::Key_F3);
    a.vocOpen->setToolTip(tr("Open"));
    // Shown while a vocabulary is shown.
    a.vocClose = addAction("mnuVocClose", tr("&Close"), &MainWindow::closeVocabulary);
    a.vocImport = addAction("mnuVocImport", tr("&Import..."), nullptr);
    connect(a.vocImport, &QAction::triggered, m_interchange, &InterchangeCommands::importWordList);
    a.vocExport = addAction("mnuVocExport", tr("&Export..."), nullptr);
    connect(a.vocExport, &QAction::triggered, m_interchange, &InterchangeCommands::exportWordList);
    for (QAction* command : a.shownWithVocabulary())
        command->setVisible(false);
    a.vocProps = addAction("mnuVocabProps", tr("&Properties..."), &MainWindow::showProperties);
    a.vocProps->setToolTip(tr("Properties"));
    a.vocExit = addAction("mnuVocExit", tr("E&xit"), nullptr);
    connect(a.vocExit, &QAction::triggered, this, &QWidget::close);
    a.entryAdd = addAction("mnuEntryAdd", tr("&Add..."), &MainWindow::addEntry, Qt::Key_F5);
    a.entryAdd->setToolTip(tr("Add"));
    a.entryEdit = addAction("mnuEntryEdit", tr("&Edit..."), &MainWindow::editEntry, Qt::Key_F6);
    a.entryEdit->setToolTip(tr("Edit"));
    a.entryFind = addAction("mnuEntryFind", tr("&Find"), &MainWindow::quickFind, Qt::Key_F7);
    a.entryFind->setToolTip(tr("Find"));
    a.test = addAction("test", tr("Test"), nullptr);
    a.test->setToolTip(tr("Test"));
    connect(a.test, &QAction::triggered, this, [this] { startTest(QStringLiteral("All")); });

    a.viewToolbar = addAction("mnuViewToolbar", tr("&Toolbar"), nullptr);
    a.viewStatusBar = addAction("mnuViewStatusBar", tr("&Status Bar"), nullptr);
    for (QAction* toggle : {a.viewToolbar, a.viewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    a.viewRefresh =
        addAction("mnuViewRefresh", tr("&Refresh"), &MainWindow::refreshKeepingPosition);
    a.viewProgress =
        addAction("mnuViewProgress", tr("&Progress"), &MainWindow::showProgress, Qt::Key_F8);
    a.viewProgress->setToolTip(tr("Progress"));
    a.viewOptions = addAction("mnuViewOptions", tr("&Options..."), &MainWindow::showOptions);
    a.viewOptions->setToolTip(tr("Options"));
    a.helpTopics = addAction("mnuHelpTopics", tr("&Help Topics"), nullptr);
    a.helpTopics->setToolTip(tr("Help"));
    connect(a.helpTopics, &QAction::triggered, this, [this] { m_services.help.showContents(); });
    a.helpWhatsThis = QWhatsThis::createAction(this);
    a.helpWhatsThis->setObjectName(QStringLiteral("mnuHelpWhatsThis"));
    a.helpAbout = addAction("mnuHelpAbout", tr("&About Lex Mint"), &MainWindow::showAbout);

    addStandardKeys(findChildren<QAction*>(),
                    {{a.vocNew, QKeySequence::New},
                     {a.vocOpen, QKeySequence::Open},
                     {a.vocClose, QKeySequence::Close},
                     {a.vocExit, QKeySequence::Quit},
                     {a.entryFind, QKeySequence::Find},
                     {a.viewRefresh, QKeySequence::Refresh}});
}

void MainWindow::createMenus()
{
    const MainActions& a = m_actions;
    const auto addSeparator = [](QMenu* menu, const char* name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(QLatin1String(name));
        return separator;
    };

    m_vocabularyMenu = menuBar()->addMenu(tr("&Vocabulary"));
    m_vocabularyMenu->setObjectName(QStringLiteral("mnuVocab"));
    m_vocabularyMenu->addActions({a.vocNew, a.vocOpen, a.vocClose, a.vocImport, a.vocExport});
    m_actions.propsSeparator = addSeparator(m_vocabularyMenu, "mnuSep0");
    m_vocabularyMenu->addAction(a.vocProps);
    m_recentSeparator = addSeparator(m_vocabularyMenu, "mnuSep01");
    for (int i = 1; i <= m_recent.size(); ++i) {
        auto* recent = new QAction(this);
        recent->setObjectName(QStringLiteral("mnuVocabRecent%1").arg(i));
        connect(recent, &QAction::triggered, this, [this, i] { openRecent(i); });
        m_recentActions.append(recent);
    }
    m_vocabularyMenu->addActions(m_recentActions);
    addSeparator(m_vocabularyMenu, "mnuSep02");
    m_vocabularyMenu->addAction(a.vocExit);

    m_entryMenu = menuBar()->addMenu(tr("&Entry"));
    m_entryMenu->setObjectName(QStringLiteral("mnuEntry"));
    m_entryMenu->addActions({a.entryAdd, a.entryEdit});
    addSeparator(m_entryMenu, "mnuSep10");
    m_entryMenu->addAction(a.entryFind);

    m_testMenu = menuBar()->addMenu(tr("&Test"));
    m_testMenu->setObjectName(QStringLiteral("mnuTest"));
    rebuildTestMenu();

    QMenu* view = menuBar()->addMenu(tr("V&iew"));
    view->setObjectName(QStringLiteral("mnuView"));
    view->addActions({a.viewToolbar, a.viewStatusBar, a.viewRefresh, a.viewProgress});
    addSeparator(view, "mnuSep3");
    view->addAction(a.viewOptions);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addActions({a.helpTopics, a.helpWhatsThis});
    addSeparator(help, "mnuSep4");
    help->addAction(a.helpAbout);
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setVisible(false);

    const MainActions& a = m_actions;
    const auto addButton = [this](const char* key, QAction* action) {
        action->setIcon(toolbarIcon(QLatin1String(key)));
        m_toolBar->addAction(action);
        m_toolBar->widgetForAction(action)->setObjectName(QLatin1String(key));
    };
    const auto addSeparator = [this](const char* key) {
        QAction* separator = m_toolBar->addSeparator();
        separator->setObjectName(QLatin1String(key));
        return separator;
    };
    m_toolBar->addSeparator();
    addButton("new", a.vocNew);
    addButton("open", a.vocOpen);
    addButton("props", a.vocProps);
    m_toolBar->addSeparator();
    addButton("add", a.entryAdd);
    addButton("edit", a.entryEdit);
    addButton("find", a.entryFind);
    m_actions.findSeparator = addSeparator("findsep");
    addButton("test", a.test);
    addButton("progress", a.viewProgress);
    m_actions.testSeparator = addSeparator("testsep");
    addButton("options", a.viewOptions);
    addButton("help", a.helpTopics);
    connect(a.viewToolbar, &QAction::toggled, m_toolBar, &QWidget::setVisible);
}

void MainWindow::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const auto panel = [bar](QLabel* label, const char* key, int stretch) {
        label->setObjectName(QLatin1String(key));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label, stretch);
        return label;
    };
    // The other panels are as wide as their texts; the path takes the room left and is cut
    // at the left where it is longer, so that the file's name stays in view.
    m_pathPanel = panel(new ElidedLabel(Qt::ElideLeft), "filepath", 4);
    m_countPanel = panel(new QLabel, "no_entries", 1);
    QLabel* keyboardLabel = panel(new QLabel, "keyboardlabel", 0);
    keyboardLabel->setText(tr("Active Keyboard"));
    keyboardLabel->setToolTip(tr("Active Keyboard"));
    m_keyboardPanel = panel(new QLabel, "keyboard", 2);
    connect(m_actions.viewStatusBar, &QAction::toggled, bar, &QWidget::setVisible);

    // The panels take the whole width, so outcomes get a share of their own while shown.
    m_outcomePanel = new QLabel;
    m_outcomePanel->setObjectName(QStringLiteral("outcome"));
    m_outcomePanel->hide();
    bar->addWidget(m_outcomePanel, 4);
    m_outcomeTimer = new QTimer(this);
    m_outcomeTimer->setSingleShot(true);
    m_outcomeTimer->setInterval(std::chrono::seconds(20));
    connect(m_outcomeTimer, &QTimer::timeout, this, [this] { showOutcome(QString()); });
}

void MainWindow::showOutcome(const QString& text)
{
    m_outcomePanel->setText(text);
    m_outcomePanel->setVisible(!text.isEmpty());
    if (!text.isEmpty())
        m_outcomeTimer->start();
}

void MainWindow::loadSettings(const CommandLineRequest& commandLine)
{
    SettingsStore& settings = m_services.settings;
    refreshRecentMenu();
    QSize stored(twipsToPixelsX(settings.number32(SettingsKey::MainWidth), this),
                 twipsToPixelsY(settings.number32(SettingsKey::MainHeight), this));
    // The stored size is a small default until the user has sized the window once; the first
    // start gives two thirds of the screen, when that is larger. The stored size may be any
    // number: the window never starts larger than the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        if (!settings.contains(SettingsKey::MainWidth))
            stored = stored.expandedTo(screen->availableSize() * 2 / 3);
        stored = stored.boundedTo(screen->availableSize());
    }
    resize(stored);
    m_actions.viewToolbar->setChecked(settings.isYes(SettingsKey::Toolbar));
    m_actions.viewStatusBar->setChecked(settings.isYes(SettingsKey::Statusbar));
    m_plan = StartupPlan::make(settings, commandLine);
    if (m_plan.showUsage)
        m_messages.show(
            {commandLineUsage(), QString(), MessageIcon::Exclamation, MessageButtons::Ok});
    m_entryForms->setEntryFormBehaviour(settings.number16(SettingsKey::EntryForm));
    VocabInfo& defaults = m_session->newVocabularyDefaults();
    defaults.flags = settings.number32(SettingsKey::UserFlags);
    defaults.keybHead = settings.number32(SettingsKey::UserKeybH);
    defaults.keybDef = settings.number32(SettingsKey::UserKeybD);
}

void MainWindow::saveSettings()
{
    SettingsStore& settings = m_services.settings;
    m_recent.save(settings);
    settings.setYes(SettingsKey::Toolbar, m_actions.viewToolbar->isChecked());
    settings.setYes(SettingsKey::Statusbar, m_actions.viewStatusBar->isChecked());
    const WindowState state = isMinimized() ? Minimised : isMaximized() ? Maximised : Normal;
    settings.setNumber(SettingsKey::MainWinState, state);
    if (state == Normal) {
        settings.setNumber(SettingsKey::MainWidth, pixelsToTwipsX(width(), this));
        settings.setNumber(SettingsKey::MainHeight, pixelsToTwipsY(height(), this));
    }
    if (m_plan.savesLastOpen())
        settings.setText(SettingsKey::StartupDB, m_session->current().path);
}

void MainWindow::showAtStartup()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // A window minimised at the last exit comes back in its normal state.
    if (m_services.settings.number16(SettingsKey::MainWinState) == Maximised)
        showMaximized();
    else
        show();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation) {
        m_firstActivation = false;
        // Runs once the window is on screen, like the first activation of the window.
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
}

void MainWindow::firstActivation()
{
    const bool firstRun = !m_services.settings.contains(SettingsKey::MainWinState);
    if (m_splash)
        m_splash->hide();
    if (!m_session->isOpen() && firstRun) {
        FirstRunDialog welcome(m_services.programDir, m_services.help, this);
        welcome.exec();
        const QString chosen = welcome.chosenPath();
        if (chosen.isEmpty())
            newVocabulary();
        else
            openSample(chosen);
    }
    if (m_plan.startForm == qint16(StartupPlan::Form::EntryForm) && m_actions.entryAdd->isEnabled()
        && m_session->isOpen())
        addEntry();
    else if (m_plan.startForm == qint16(StartupPlan::Form::Test)
             && m_testMenu->menuAction()->isVisible() && m_actions.test->isEnabled())
        startTest(QStringLiteral("All"));
}

void MainWindow::openAtStartup(const QString& path)
{
    if (m_session->openFile(path)) {
        rebuildTestMenu();
        dataRefresh();
        updateCaption(false, false);
    } else {
        m_session->current().path.clear();
    }
}

void MainWindow::openSample(const QString& samplePath)
{
    openAtStartup(m_session->personalCopy(samplePath));
    contextUpdate();
}

void MainWindow::showOpened()
{
    rebuildTestMenu();
    dataRefresh();
    contextUpdate();
    updateCaption(false, false);
    m_grid->setGridKeyboard();
}

void MainWindow::showClosed()
{
    dataRefresh();
    contextUpdate();
    updateCaption(true, false);
}

void MainWindow::newVocabulary()
{
    if (!m_entryForms->mayCloseAll())
        return;
    if (!m_session->newVocabulary()) {
        // A failed New leaves the open vocabulary, unless its own file was replaced.
        if (!m_session->isOpen())
            showClosed();
        return;
    }
    rebuildTestMenu();
    dataRefresh();
    contextUpdate();
    updateCaption(false, false);
    setKeyboardLabel(QString());
}

void MainWindow::openVocabularyDialog()
{
    if (m_entryForms->mayCloseAll() && m_session->openVocabularyDialog())
        showOpened();
}

void MainWindow::openRecent(int index)
{
    if (!m_entryForms->mayCloseAll())
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool opened = m_session->openFile(m_recent.path(index));
    QGuiApplication::restoreOverrideCursor();
    if (opened) {
        showOpened();
        return;
    }
    m_recent.remove(index);
    refreshRecentMenu();
}

void MainWindow::closeVocabulary()
{
    if (!m_entryForms->mayCloseAll())
        return;
    m_session->close();
    showClosed();
}

VocabularySources& MainWindow::sources()
{
    return m_session->sources();
}

const VocabInfo& MainWindow::currentVocabulary() const
{
    return m_session->current();
}

void MainWindow::showVocabularyCurrent()
{
    m_grid->showSourceCurrent();
}

void MainWindow::dataRefresh()
{
    m_grid->dataRefresh();
}

void MainWindow::refreshKeepingPosition()
{
    const int position = m_grid->currentPosition();
    dataRefresh();
    if (position >= 0)
        m_grid->moveToPosition(position);
}

void MainWindow::applyCommandState(const CommandState& state)
{
    const auto set = [](QAction* action, bool visible, bool enabled) {
        action->setVisible(visible);
        action->setEnabled(enabled);
    };
    const MainActions& a = m_actions;
    set(a.vocProps, state.propertiesVisible(), state.propertiesVisible());
    set(a.propsSeparator, state.open, true);
    m_entryMenu->menuAction()->setVisible(state.entryMenuVisible());
    set(a.entryAdd, state.vocabularyButtonsVisible(), state.addEnabled());
    set(a.entryEdit, state.vocabularyButtonsVisible(), state.editEnabled());
    set(a.entryFind, state.vocabularyButtonsVisible(), state.findEnabled());
    set(a.viewRefresh, state.refreshVisible(), state.refreshEnabled());
    m_testMenu->menuAction()->setVisible(state.testMenuVisible());
    set(a.test, state.vocabularyButtonsVisible(), state.testButtonEnabled());
    set(a.findSeparator, state.vocabularyButtonsVisible(), true);
    set(a.testSeparator, state.vocabularyButtonsVisible(), true);
}

void MainWindow::contextUpdate()
{
    const bool open = m_session->isOpen();
    VocabularySources& sources = m_session->sources();
    const bool hasEntries = open && sources.vocabulary().recordCount() > 0;
    // Which test modes have entries. A mode that takes too long to read is left out from then
    // on, and the Test menu no longer offers it.
    QHash<QString, bool> modeHasRows;
    if (hasEntries) {
        for (const QString& mode : testModeNames())
            modeHasRows.insert(
                mode, vocabularyfile::queryHasRows(*sources.database(), mode, m_services.messages));
        if (testModeNames().size() != m_testModeActions.size())
            rebuildTestMenu();
    }
    const CommandState state = CommandState::derive(
        open, hasEntries, !hasEntries || !sources.database()->isLeftOut(QStringLiteral("All")));
    applyCommandState(state);

    if (open) {
        m_session->current().entryCount =
            static_cast<qint32>(VocabularyRows::entryCount(*sources.database()).value_or(0));
        m_countPanel->setText(tr("%n entries", nullptr, m_session->current().entryCount));
        m_pathPanel->setText(m_session->isReadOnly()
                                 ? tr("%1 (read-only)").arg(m_session->current().path)
                                 : m_session->current().path);
    } else {
        m_countPanel->clear();
        m_keyboardPanel->clear();
        m_pathPanel->clear();
    }
    for (QAction* mode : std::as_const(m_testModeActions))
        mode->setEnabled(modeHasRows.value(mode->data().toString()));
    if (m_progress)
        m_progress->refresh();
}

void MainWindow::rebuildTestMenu()
{
    qDeleteAll(m_testModeActions);
    m_testModeActions.clear();
    const QStringList modes = testModeNames();
    for (int i = 0; i < modes.size(); ++i) {
        auto* mode =
            new QAction(vocabularyfile::testModeCaption(modes.at(i)) + QStringLiteral("..."), this);
        mode->setObjectName(QStringLiteral("mnuTestMode%1").arg(i));
        mode->setData(modes.at(i));
        if (i == 0)
            mode->setShortcut(Qt::Key_F9);
        connect(mode, &QAction::triggered, this, [this, name = modes.at(i)] { startTest(name); });
        m_testModeActions.append(mode);
    }
    m_testMenu->addActions(m_testModeActions);
}

QStringList MainWindow::testModeNames() const
{
    QStringList names{QStringLiteral("All")};
    const Database* db = m_session->sources().database();
    for (const QString& mode : m_session->testModes()) {
        if (!db || !db->isLeftOut(mode))
            names.append(mode);
    }
    return names;
}

void MainWindow::refreshRecentMenu()
{
    for (int i = 1; i <= m_recentActions.size(); ++i) {
        QAction* item = m_recentActions.at(i - 1);
        const bool filled = !m_recent.path(i).isEmpty();
        item->setVisible(filled);
        item->setText(filled ? m_recent.caption(i) : QString());
        item->setData(m_recent.path(i));
    }
    m_recentSeparator->setVisible(!m_recent.isEmpty());
}

void MainWindow::updateCaption(bool hide, bool testing)
{
    // While a test runs, the sheet is hidden behind a blank; with nothing open, the start page
    // stands in for it.
    m_centre->setCurrentWidget(!hide         ? static_cast<QWidget*>(m_grid)
                                   : testing ? m_blank
                                             : static_cast<QWidget*>(m_startPage));
    for (QAction* command : m_actions.shownWithVocabulary())
        command->setVisible(!hide);
    if (hide && !testing) {
        setWindowTitle(applicationTitle());
        return;
    }
    setWindowTitle(fileTitle(m_session->current().path)
                   + (testing ? tr(" (hidden while testing) ") : QString()) + QStringLiteral(" - ")
                   + applicationTitle());
}

void MainWindow::startTest(const QString& mode)
{
    // The data sheet is hidden so that the answers cannot be read off it.
    updateCaption(true, true);
    TestWindow test(*this, *m_entryForms, m_services.messages, m_keyboardFocus, m_services.clock,
                    m_services.settings, m_services.help, m_services.sound, testModeNames(), mode,
                    this);
    test.exec();
    updateCaption(false, false);
    contextUpdate();
}

void MainWindow::setKeyboardLabel(const QString& name)
{
    m_keyboardPanel->setText(name);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutDialog(m_services.browser, m_services.messages, this);
    present(m_about);
}

void MainWindow::showProperties()
{
    if (!m_properties) {
        m_properties = new PropertiesDialog(
            {m_session->current(),
             [this](const QString& mode) {
                 return vocabularyfile::queryRowCount(*m_session->sources().database(), mode,
                                                      m_services.messages);
             },
             [this] { return m_session->readScheduleCounts(); },
             [this](const VocabInfo& options, MessageService& messages) {
                 return m_session->writeOptions(options, messages);
             },
             testModeNames(), m_services.messages, m_services.help, m_services.keyboards.backend()},
            this);
    }
    present(m_properties);
}

void MainWindow::showOptions()
{
    if (!m_options) {
        const auto applied = [this](const OptionsDialog::Applied& values) {
            m_plan.setOpenMode(values.startUpOpen, values.startupPath);
            m_entryForms->setEntryFormBehaviour(values.entryForm);
        };
        m_options = new OptionsDialog({m_services.settings, m_session->newVocabularyDefaults(),
                                       m_session->current(), m_services.files, m_services.help,
                                       m_services.keyboards.backend(), applied},
                                      this);
    }
    present(m_options);
}

void MainWindow::showProgress()
{
    if (!m_progress) {
        m_progress =
            new ProgressWindow([this](QString* reason) { return m_session->readProgress(reason); },
                               [this] { return dirOfPath(m_session->current().path); },
                               m_services.files, m_services.messages, this);
        // Over the main window, where the learner is looking, rather than wherever the window
        // manager puts a new window.
        m_progress->move(frameGeometry().center() - m_progress->rect().center());
    }
    present(m_progress);
}

void MainWindow::showComputingMemoryStates(qint64 done, qint64 total)
{
    // The dialog shows itself when the work takes long enough to be noticed, and hides itself
    // when it is done.
    if (!m_computingMemoryStates) {
        m_computingMemoryStates =
            new QProgressDialog(tr("Computing the review schedule from the recorded answers..."),
                                QString(), 0, 0, this);
        m_computingMemoryStates->setWindowModality(Qt::WindowModal);
    }
    m_computingMemoryStates->setMaximum(int(total));
    m_computingMemoryStates->setValue(int(done));
}

void MainWindow::addEntry()
{
    m_entryForms->show(std::nullopt, EntryForms::Mode::FromMainWindow);
}

void MainWindow::editEntry()
{
    if (const qint64 id = m_grid->currentEntryId(); id != 0)
        m_entryForms->show(id, EntryForms::Mode::FromMainWindow);
}

void MainWindow::quickFind()
{
    if (m_grid->isEditing())
        return;
    QuickFindDialog dialog(*this, m_keyboardFocus, this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Text typed into an entry form is dropped only after the form's own question.
    if (!m_entryForms->mayCloseAll()) {
        event->ignore();
        return;
    }
    saveSettings();
    m_entryForms->closeAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    // The program ends without handling the focus changes still to come.
    m_keyboardFocus.restore();
    event->accept();
}

} // namespace lexmint
