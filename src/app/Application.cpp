#include "Application.h"

#include "shell/CommandLine.h"
#include "app/MainWindow.h"
#include "keyboards/desktop/DesktopKeyboardBackend.h"
#include "shell/InstallRecord.h"
#include "shell/UserFolder.h"
#include "app/SplashWindow.h"
#include "store/SqlClock.h"

#include <QCoreApplication>

namespace lexmint {

Application::Application(const QByteArrayList& arguments)
    : m_arguments(arguments),
      m_programDir(InstallRecord().programDir()),
      m_messages([this](int context) { m_help.showTopic(context); }),
      m_help(m_programDir),
      m_keyboardBackend(makeDesktopKeyboardBackend()),
      m_keyboards(*m_keyboardBackend, m_messages),
      m_services{m_messages, m_files, m_help,  m_browser,    m_keyboards,
                 m_settings, m_sound, m_clock, m_programDir, userVocabularyFolder()}
{
    setSqlClock(m_clock);
}

Application::~Application()
{
    releaseSqlClock(m_clock);
}

void Application::start()
{
    m_splash = std::make_unique<SplashWindow>();
    m_splash->show();
    // Lets the splash window paint before the main window loads the start-up vocabulary.
    QCoreApplication::processEvents();

    m_mainWindow = std::make_unique<MainWindow>(m_services, parseArguments(m_arguments));
    m_mainWindow->setSplash(m_splash.get());
    m_mainWindow->showAtStartup();
}

} // namespace lexmint
