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
#include "support/StoreFixture.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QWidget;

namespace lexmint::test {

/// The real main window on test doubles of every service, with a program folder of its own (a
/// vocabulary may store its options there), not on a first run, with US English (active), Czech
/// and German installed.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    /// Starts the main window with this command line.
    MainWindow& start(const QStringList& arguments = {});
    /// Closes the main window, as the user would, and drops it.
    void stop();
    MainWindow* window() const { return m_window.get(); }

    /// The visible top-level window of this object name; null when there is none.
    static QWidget* shownWindow(const QString& name);
    /// The main window's action of this object name; a misspelt name stops the test.
    QAction* action(const QString& name) const;
    /// A vocabulary in the fixture's folder with the entries given as "headword|line|line".
    QString vocabulary(const QString& name, const QStringList& entries) const
    {
        return makeVocabulary(m_dir.path(), name, entries);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString programDir() const { return m_dir.filePath(QStringLiteral("program/")); }

    FakeMessageService messages;
    FakeFileDialogService files;
    FakeHelpService help;
    FakeBrowserService browser;
    FakeSoundService sound;
    TestClock clock;
    FakeKeyboardBackend backend{{0x0409, 0x0405, 0x0407}, 0x0409};

private:
    QTemporaryDir m_dir;
    SettingsStore m_settings{m_dir.filePath(QStringLiteral("settings.conf"))};
    KeyboardSwitcher m_keyboards{backend, messages};
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace lexmint::test
