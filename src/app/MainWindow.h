#pragma once

#include "app/AppServices.h"
#include "shell/CommandLine.h"
#include "shell/CommandState.h"
#include "shell/RecentList.h"
#include "shell/StartupPlan.h"
#include "entries/VocabularyHost.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "platform/widgets/WindowMessages.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressDialog;
class QStackedWidget;
class QTimer;
class QToolBar;

namespace lexmint {

class AboutDialog;
class EntryForms;
class InterchangeCommands;
class OptionsDialog;
class ProgressWindow;
class PropertiesDialog;
class StartPage;
class VocabGrid;
class VocabularySession;

/// The main window's commands, each reached by name in the code; their object names are the
/// ones tests and the help use.
struct MainActions {
    QAction* vocNew = nullptr;
    QAction* vocOpen = nullptr;
    QAction* vocClose = nullptr;
    QAction* vocImport = nullptr;
    QAction* vocExport = nullptr;
    QAction* vocProps = nullptr;
    QAction* vocExit = nullptr;
    QAction* entryAdd = nullptr;
    QAction* entryEdit = nullptr;
    QAction* entryFind = nullptr;
    QAction* test = nullptr;
    QAction* viewToolbar = nullptr;
    QAction* viewStatusBar = nullptr;
    QAction* viewRefresh = nullptr;
    QAction* viewProgress = nullptr;
    QAction* viewOptions = nullptr;
    QAction* helpTopics = nullptr;
    QAction* helpWhatsThis = nullptr;
    QAction* helpAbout = nullptr;
    /// Separators shown and hidden with the commands beside them.
    QAction* propsSeparator = nullptr;
    QAction* findSeparator = nullptr;
    QAction* testSeparator = nullptr;

    /// The commands on the vocabulary shown, visible while the data sheet shows one.
    QList<QAction*> shownWithVocabulary() const { return {vocClose, vocImport, vocExport}; }
};

/// The main window: menus, toolbar, status bar and the data sheet of the open vocabulary.
/// It presents the vocabulary session and hands every command to it or to the window that
/// carries the command out.
class MainWindow : public QMainWindow, public VocabularyHost {
    Q_OBJECT
public:
    /// Reads the settings and the command line and opens the start-up vocabulary.
    MainWindow(AppServices& services, const CommandLineRequest& commandLine,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Shows the window centred at its stored size, maximised when it was at the last exit.
    void showAtStartup();
    /// A window to hide when the main window is first activated (the splash window).
    void setSplash(QWidget* splash) { m_splash = splash; }

    VocabularySession& session() { return *m_session; }
    VocabGrid& grid() { return *m_grid; }

    VocabularySources& sources() override;
    const VocabInfo& currentVocabulary() const override;
    void showVocabularyCurrent() override;

public slots:
    /// Re-reads the data sheet from the file.
    void dataRefresh() override;
    /// Re-derives the commands, the status bar and the test modes from the open vocabulary.
    void contextUpdate() override;
    /// Hides the data sheet and runs a test in the given mode.
    void startTest(const QString& mode);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void loadSettings(const CommandLineRequest& commandLine);
    void saveSettings();
    void applyCommandState(const CommandState& state);
    void updateCaption(bool hide, bool testing);
    void firstActivation();
    void openAtStartup(const QString& path);
    /// Opens the learner's own copy of an installed sample, making it on first use.
    void openSample(const QString& samplePath);
    void showOpened();
    void showClosed();
    void rebuildTestMenu();
    /// The test modes as the Test menu offers them: "All", then the file's own.
    QStringList testModeNames() const;
    void refreshRecentMenu();
    void openRecent(int index);
    void newVocabulary();
    void openVocabularyDialog();
    void closeVocabulary();
    void refreshKeepingPosition();
    void showAbout();
    void showProperties();
    void showOptions();
    void showProgress();
    void showComputingMemoryStates(qint64 done, qint64 total);
    void addEntry();
    void editEntry();
    void quickFind();
    /// Shows what a command did left of the status bar's panels, for a while.
    void showOutcome(const QString& text);
    /// Names the keyboard layout of the focused field in the status bar; empty clears it.
    void setKeyboardLabel(const QString& name);
    QAction* addAction(const char* name, const QString& text, void (MainWindow::*slot)(),
                       QKeySequence shortcut = {});

    AppServices& m_services;
    WindowMessages m_messages;
    KeyboardFocus m_keyboardFocus;
    VocabularySession* m_session = nullptr;
    StartupPlan m_plan;
    RecentList m_recent{1};
    bool m_firstActivation = true;
    QPointer<QWidget> m_splash;
    QPointer<AboutDialog> m_about;
    QPointer<PropertiesDialog> m_properties;
    QPointer<OptionsDialog> m_options;
    QPointer<ProgressWindow> m_progress;
    QProgressDialog* m_computingMemoryStates = nullptr;
    std::unique_ptr<EntryForms> m_entryForms;
    InterchangeCommands* m_interchange = nullptr;

    MainActions m_actions;
    QMenu* m_vocabularyMenu = nullptr;
    QMenu* m_entryMenu = nullptr;
    QMenu* m_testMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QList<QAction*> m_testModeActions;
    QToolBar* m_toolBar = nullptr;
    QStackedWidget* m_centre = nullptr;
    VocabGrid* m_grid = nullptr;
    QWidget* m_blank = nullptr;
    StartPage* m_startPage = nullptr;
    QLabel* m_pathPanel = nullptr;
    QLabel* m_countPanel = nullptr;
    QLabel* m_keyboardPanel = nullptr;
    QLabel* m_outcomePanel = nullptr;
    QTimer* m_outcomeTimer = nullptr;
};

} // namespace lexmint
