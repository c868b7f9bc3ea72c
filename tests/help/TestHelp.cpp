#include "help/HelpCollection.h"
#include "help/HelpPopups.h"
#include "platform/HelpContexts.h"
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

QUrl shownPage()
{
    QWidget* window = helpWindow();
    return window ? window->findChild<QTextBrowser*>()->source() : QUrl();
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
    void contextNumbersResolve_data();
    void contextNumbersResolve();
    void oneWindowServesEveryRequestOverModalDialogs();
    void parsePopupTexts_data();
    void parsePopupTexts();
    void searchBuildsItsIndexOutsideTheProgramFolder();
    void missingHelpIsSilent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            m_blocked.insert(watched);
        else if (event->type() == QEvent::WindowUnblocked)
            m_blocked.remove(watched);
        return false;
    }

private:
    QSet<QObject*> m_blocked; // windows that a modal window blocks
    std::unique_ptr<QTemporaryDir> m_userDir;
    std::unique_ptr<QtHelpService> m_help;
};

void TestHelp::init()
{
    qApp->installEventFilter(this);
    m_userDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_userDir->isValid());
    m_help = std::make_unique<QtHelpService>(test::buildDataDir() + u'/', m_userDir->path());
    QVERIFY(m_help->isAvailable());
}

void TestHelp::cleanup()
{
    qApp->removeEventFilter(this);
    m_blocked.clear();
    m_help.reset();
    QVERIFY(!helpWindow());
}

void TestHelp::contextNumbersResolve_data()
{
    // Every context number the program asks for: the help buttons' topics open a page of their
    // own, the controls' numbers a pop-up text.
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("popup");

    for (int context : helpcontext::All)
        QTest::addRow("topic %d", context) << context << false;
    for (int context :
         {1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1031, 1035, 1036,
          1037, 1006, 1007, 1008, 1010, 1011, 1012, 1020, 1021, 1022, 1045, 1046})
        QTest::addRow("pop-up %d", context) << context << true;
}

void TestHelp::contextNumbersResolve()
{
    QFETCH(int, context);
    QFETCH(bool, popup);

    if (popup) {
        QVERIFY(!m_help->popupText(context).isEmpty());
        QVERIFY(!helpWindow());
        return;
    }
    m_help->showTopic(context);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QVERIFY(shownPage() != helppages::homePage()); // the fallback for an unknown number
    QVERIFY(!helpWindow()->findChild<QTextBrowser*>()->toPlainText().isEmpty());
}

void TestHelp::oneWindowServesEveryRequestOverModalDialogs()
{
    // A test window or a message box with a Help button is modal; the help opened from it must
    // take the input rather than sit blocked behind it.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    m_help->showTopic(9999); // unknown: the contents
    QCOMPARE(shownPage(), helppages::homePage());
    m_help->showTopic(57);
    m_help->showTopic(15);
    QCOMPARE(shownPage(), helpUrl(u"options.html#startup"_s)); // in exactly one window
    // The help belongs to the dialog: neither blocks the other.
    QCOMPARE(helpWindow()->windowHandle()->transientParent(), dialog.windowHandle());
    QVERIFY(!m_blocked.contains(helpWindow()));
    helpWindow()->close();
    dialog.close();
    m_help->showContents();
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QCOMPARE(helpWindow()->windowHandle()->transientParent(), nullptr);
}

void TestHelp::parsePopupTexts_data()
{
    QTest::addColumn<QByteArray>("xhtml");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("expected");

    const QByteArray page = "<!DOCTYPE html><html xmlns=\"http://www.w3.org/1999/xhtml\"><body>"
                            "<div id=\"popup-7\">\n  <p>A <b>nested</b> <i>text</i></p><div>x</div>"
                            "\n</div><div id=\"popup-8\"/><div id=\"popup-9\"></div>"
                            "<p id=\"popup-10\">café</p><div id=\"other\">no</div>"
                            "</body></html>"_ba;
    QTest::newRow("nested elements kept")
        << page << 7 << u"<p>A <b>nested</b> <i>text</i></p><div>x</div>"_s;
    QTest::newRow("broken page keeps what was read")
        << "<html><body><p id=\"popup-1\">one</p><p id=\"popup-2\">two</b></body></html>"_ba << 1
        << u"one"_s;
}

void TestHelp::parsePopupTexts()
{
    QFETCH(QByteArray, xhtml);
    QFETCH(int, context);
    QFETCH(QString, expected);
    const QHash<int, QString> texts = lexmint::parsePopupTexts(xhtml);
    QCOMPARE(texts.value(context), expected);
    QVERIFY(!texts.contains(0));
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
    QVERIFY(!found().contains(helpUrl(u"entries.html"_s)));
    QCOMPARE(QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden), installed);
}

void TestHelp::missingHelpIsSilent()
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
