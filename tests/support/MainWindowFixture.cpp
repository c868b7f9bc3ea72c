#include "support/MainWindowFixture.h"

#include "shell/CommandLine.h"
#include "store/SqlClock.h"
#include "support/ModalWindow.h"
#include "support/StoreFixture.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QDir>

using namespace Qt::StringLiterals;

namespace lexmint::test {

MainWindowFixture::MainWindowFixture()
{
    QDir(m_dir.path()).mkdir(u"program"_s);
    m_programDir = m_dir.filePath(u"program/"_s);
    for (const QString& file : {u"vocab.mdn"_s, u"Spa-Eng.lxm"_s, u"English.lxm"_s})
        copyToDir(buildDataDir() + u'/' + file, m_programDir, file);
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.conf"_s));
    m_settings->setNumber(SettingsKey::MainWinState, 0);
    m_keyboards = std::make_unique<KeyboardSwitcher>(backend, messages);
    setSqlClock(clock);
}

MainWindowFixture::~MainWindowFixture()
{
    stop();
    releaseSqlClock(clock);
}

MainWindow& MainWindowFixture::start(const QStringList& arguments)
{
    m_services.reset(new AppServices{messages, files, help, browser, *m_keyboards, *m_settings,
                                     sound, clock, m_programDir,
                                     m_dir.filePath(u"documents/Lex Mint"_s)});
    m_window = std::make_unique<MainWindow>(*m_services, parseArguments(arguments));
    return *m_window;
}

void MainWindowFixture::stop()
{
    if (m_window)
        m_window->close();
    m_window.reset();
}

void MainWindowFixture::walkModalWindows(const std::function<void(QWidget*)>& visit)
{
    // The watch does not look again while it runs, so each answer is queued, once.
    QStringList answered;
    const ModalWatch watch([&](QWidget* modal) {
        visit(modal);
        const QString name = modal->objectName();
        const auto once = [&](const QString& step, auto&& act) {
            if (!answered.contains(step)) {
                answered.append(step);
                QMetaObject::invokeMethod(modal, act, Qt::QueuedConnection);
            }
        };
        const auto click = [modal](const QString& button) {
            return [modal, button] { modal->findChild<QAbstractButton*>(button)->click(); };
        };
        if (name == u"frmQSearch"_s) {
            once(name, [modal] { QTest::keyClick(modal, Qt::Key_Escape); });
        } else if (name == u"frmTest"_s && !answered.contains(u"frmMistake"_s)) {
            modal->findChild<QLineEdit*>(u"txtGuess"_s)->setText(u"Affe"_s);
            once(u"answer"_s, click(u"cmdOK"_s));
        } else if (name == u"frmTest"_s) {
            once(u"finish"_s, click(u"cmdFinish"_s));
        } else if (name == u"frmMistake"_s || name == u"frmResult"_s) {
            once(name, click(u"cmdOK"_s));
        }
    });
    action(u"mnuEntryFind"_s)->trigger();
    action(u"test"_s)->trigger();
}

QWidget* MainWindowFixture::shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

QAction* MainWindowFixture::action(const QString& name) const
{
    auto* found = m_window->findChild<QAction*>(name);
    if (!found)
        qFatal("no action %s", qPrintable(name));
    return found;
}

QString MainWindowFixture::vocabulary(const QString& name, const QStringList& entries) const
{
    return makeVocabulary(m_dir.path(), name, entries);
}

} // namespace lexmint::test
