#include "support/MainWindowFixture.h"

#include "shell/CommandLine.h"
#include "store/SqlClock.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace lexmint::test {

MainWindowFixture::MainWindowFixture()
{
    QDir(m_dir.path()).mkdir(u"program"_s);
    for (const QString& file : {u"vocab.mdn"_s, u"Spa-Eng.lxm"_s, u"English.lxm"_s})
        copyToDir(buildDataDir() + u'/' + file, programDir(), file);
    m_settings.setNumber(SettingsKey::MainWinState, 0);
    setSqlClock(clock);
}

MainWindowFixture::~MainWindowFixture()
{
    stop();
    releaseSqlClock(clock);
}

MainWindow& MainWindowFixture::start(const QStringList& arguments)
{
    m_services.reset(new AppServices{messages, files, help, browser, m_keyboards, m_settings, sound,
                                     clock, programDir(), m_dir.filePath(u"documents/Lex Mint"_s)});
    m_window = std::make_unique<MainWindow>(*m_services, parseArguments(arguments));
    return *m_window;
}

void MainWindowFixture::stop()
{
    if (m_window)
        m_window->close();
    m_window.reset();
}

QAction* MainWindowFixture::action(const QString& name) const
{
    auto* action = m_window->findChild<QAction*>(name);
    if (!action)
        qFatal("The main window has no action %s", qPrintable(name));
    return action;
}

QWidget* MainWindowFixture::shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

} // namespace lexmint::test
