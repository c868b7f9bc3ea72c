#pragma once

#include "app/AppServices.h"
#include "app/MainWindow.h"
#include "keyboards/KeyboardSwitcher.h"
#include "shell/SettingsStore.h"
#include "support/FakeBrowserService.h"
#include "support/FakeFileDialogService.h"
#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/TestClock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace lexmint::test {

/// The real main window on test doubles of every service: a temporary folder with a program
/// folder (template and samples copied, since opening a vocabulary may store its options in
/// them), a settings file that is not a first run, and a keyboard backend with US English (active),
/// Czech and German installed.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    /// Starts the main window with this command line.
    MainWindow& start(const QStringList& arguments = {});
    /// Closes the main window, as the user would, and drops it.
    void stop();
    MainWindow* window() const { return m_window.get(); }

    /// Opens quick find and then a test from the running main window and calls `visit` for
    /// each modal window while it runs, again and again, before answering it once: Esc in quick
    /// find, a wrong answer and then Finish in the test, OK in the mistake and result dialogs.
    void walkModalWindows(const std::function<void(QWidget* modal)>& visit);
    /// The visible top-level window of this object name; null when there is none.
    static QWidget* shownWindow(const QString& name);
    /// The main window's action of this name; fails the test program when there is none.
    QAction* action(const QString& name) const;
    /// A vocabulary in the fixture's folder with the entries given as "headword|line|line".
    QString vocabulary(const QString& name, const QStringList& entries) const;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    const QString& programDir() const { return m_programDir; }

    FakeMessageService messages;
    FakeFileDialogService files;
    FakeHelpService help;
    FakeBrowserService browser;
    FakeSoundService sound;
    TestClock clock;
    FakeKeyboardBackend backend{{0x0409, 0x0405, 0x0407}, 0x0409};

private:
    QTemporaryDir m_dir;
    QString m_programDir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<KeyboardSwitcher> m_keyboards;
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace lexmint::test
