#pragma once

#include "app/AppServices.h"
#include "shell/SettingsStore.h"
#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardSwitcher.h"
#include "platform/widgets/QtBrowserService.h"
#include "platform/widgets/QtHelpService.h"
#include "platform/Clock.h"
#include "platform/widgets/QtFileDialogService.h"
#include "platform/widgets/QtMessageService.h"
#include "platform/widgets/QtSoundService.h"

#include <QByteArrayList>

#include <memory>

namespace lexmint {

class MainWindow;
class SplashWindow;

/// The running program: the real platform services and its windows. Showing the splash
/// window, then the main window, is all it does; the windows take it from there.
class Application {
public:
    /// `arguments` as the system passed them, without the program name.
    explicit Application(const QByteArrayList& arguments);
    ~Application();

    /// Shows the splash window and the main window; the event loop then runs the program.
    void start();

private:
    QByteArrayList m_arguments;
    QString m_programDir;
    SettingsStore m_settings;
    SystemClock m_clock;
    QtMessageService m_messages;
    QtFileDialogService m_files;
    QtHelpService m_help;
    QtBrowserService m_browser;
    QtSoundService m_sound;
    std::unique_ptr<KeyboardBackend> m_keyboardBackend;
    KeyboardSwitcher m_keyboards;
    AppServices m_services;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace lexmint
