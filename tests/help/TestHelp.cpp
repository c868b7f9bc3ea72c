#include "help/HelpCollection.h"
#include "platform/widgets/QtHelpService.h"

#include "support/TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

// The one help window; null when there is none or more than one.
QWidget* helpWindow()
{
    QWidgetList found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == u"HelpWindow")
            found.append(widget);
    return found.size() == 1 ? found.constFirst() : nullptr;
}

QUrl helpUrl(const QString& page)
{
    return QUrl(u"qthelp://org.orvanel.lexmint/doc/"_s + page);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void topicOpensOverAModalDialog();
    void searchBuildsItsIndexOutsideTheProgramFolder();
    void missingHelpIsSaidOnce();

private:
    std::unique_ptr<QTemporaryDir> m_userDir;
    std::unique_ptr<QtHelpService> m_help;
};

void TestHelp::init()
{
    m_userDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_userDir->isValid());
    m_help = std::make_unique<QtHelpService>(test::buildDataDir() + u'/', m_userDir->path());
    QVERIFY(m_help->isAvailable());
}

void TestHelp::cleanup()
{
    m_help.reset();
    QVERIFY(!helpWindow());
}

void TestHelp::topicOpensOverAModalDialog()
{
    // A test window or a message box with a Help button is modal; the help opened from it must
    // take the input rather than sit blocked behind it.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    m_help->showTopic(9999); // unknown: the contents
    QCOMPARE(helpWindow()->findChild<QTextBrowser*>()->source(), helppages::homePage());
    m_help->showTopic(15);
    // In the one window, which belongs to the dialog.
    QCOMPARE(helpWindow()->findChild<QTextBrowser*>()->source(),
             helpUrl(u"options.html#startup"_s));
    QCOMPARE(helpWindow()->windowHandle()->transientParent(), dialog.windowHandle());
    QVERIFY(!helpWindow()->findChild<QTextBrowser*>()->toPlainText().isEmpty());
    QVERIFY(!m_help->popupText(1100).isEmpty());
}

void TestHelp::searchBuildsItsIndexOutsideTheProgramFolder()
{
    // An installed program folder is read-only: the help must work from a copy of its own.
    QTemporaryDir programDir;
    for (const QString& file : {u"lexmint.qch"_s, u"lexmint.qhc"_s})
        QVERIFY(!test::copyToDir(test::buildDataDir() + u'/' + file, programDir.path(), file)
                     .isEmpty());
    const QStringList installed =
        QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    m_help = std::make_unique<QtHelpService>(programDir.path() + u'/', m_userDir->path());
    m_help->showContents();
    helpWindow()->findChild<QTabWidget*>(u"helpTabs"_s)->setCurrentIndex(2);
    auto* input = helpWindow()->findChild<QLineEdit*>(u"helpSearchInput"_s);
    input->setText(u"Wayland"_s);
    QTest::keyClick(input, Qt::Key_Return);
    const auto found = [results = helpWindow()->findChild<QListWidget*>(u"helpSearchResults"_s)] {
        QList<QUrl> urls;
        for (int row = 0; row < results->count(); ++row)
            urls.append(results->item(row)->data(Qt::UserRole).toUrl());
        return urls;
    };
    QTRY_VERIFY_WITH_TIMEOUT(found().contains(helpUrl(u"keyboards.html"_s)), 20000);
    QCOMPARE(QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden), installed);
}

void TestHelp::missingHelpIsSaidOnce()
{
    QTemporaryDir programDir;
    const QString userDir = m_userDir->path() + u"/help"_s;
    m_help = std::make_unique<QtHelpService>(programDir.path() + u'/', userDir);
    // Only the offscreen platform's notes about window handling may appear.
    QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support)"_s));

    QVERIFY(!m_help->isAvailable());
    QCOMPARE(m_help->popupText(1100), QString());
    m_help->showTopic(57);
    m_help->showContents();
    // One window says so, and nothing else shows up.
    QWidget* window = helpWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->findChild<QTextBrowser*>()->toPlainText().contains(u"not installed"_s));
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(widget == window || !widget->isVisible(), qPrintable(widget->objectName()));
    QVERIFY(!QFileInfo::exists(userDir));
}

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
