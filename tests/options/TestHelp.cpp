#include "options/HelpCollection.h"
#include "options/HelpPopups.h"
#include "options/QtHelpService.h"

#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <QXmlStreamReader>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

QWidget* helpWindow()
{
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"HelpWindow") {
            if (found)
                return nullptr; // more than one window
            found = widget;
        }
    }
    return found;
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

// The ids and the link targets of one XHTML page, and what is wrong with its XML.
struct PageLinks {
    QSet<QString> ids;
    QList<QUrl> links;
    QString error;
};

PageLinks readPage(const QByteArray& xhtml, const QUrl& page)
{
    PageLinks result;
    QXmlStreamReader reader(xhtml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.hasAttribute("id"_L1))
            result.ids.insert(attributes.value("id"_L1).toString());
        if (attributes.hasAttribute("href"_L1))
            result.links.append(page.resolved(QUrl(attributes.value("href"_L1).toString())));
    }
    if (reader.hasError())
        result.error = page.toString() + u": "_s + reader.errorString();
    return result;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void contextTopics_data();
    void contextTopics();
    void unknownContextShowsTheContents();
    void contentsOpenTheFirstPage();
    void oneWindowServesEveryRequest();
    void helpOverAModalDialogIsNotBlocked();
    void popupTexts_data();
    void popupTexts();
    void parsePopupTexts_data();
    void parsePopupTexts();
    void searchBuildsItsIndexOutsideTheProgramFolder();
    void missingHelpIsSilent();
    void everyLinkOfTheManualResolves();

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

void TestHelp::contextTopics_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QUrl>("topic");

    QTest::newRow("options, Startup") << 15 << helpUrl(u"options.html#startup"_s);
    QTest::newRow("options, New Vocabulary") << 20 << helpUrl(u"options.html#new-vocabulary"_s);
    QTest::newRow("options, Entry Form") << 21 << helpUrl(u"options.html#entry-form"_s);
    QTest::newRow("properties, Statistics") << 56 << helpUrl(u"properties.html#statistics"_s);
    QTest::newRow("inconsistency") << 57 << helpUrl(u"troubleshooting.html#inconsistency"_s);
    QTest::newRow("properties, Options") << 60 << helpUrl(u"properties.html#options"_s);
}

void TestHelp::contextTopics()
{
    QFETCH(int, context);
    QFETCH(QUrl, topic);

    m_help->showTopic(context);

    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QCOMPARE(shownPage(), topic);
    QVERIFY(shownPage() != helppages::homePage());
    QVERIFY(!helpWindow()->findChild<QTextBrowser*>()->toPlainText().isEmpty());
}

void TestHelp::unknownContextShowsTheContents()
{
    m_help->showTopic(9999);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QCOMPARE(shownPage(), helppages::homePage());
}

void TestHelp::contentsOpenTheFirstPage()
{
    m_help->showContents();

    QWidget* window = helpWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), u"Lex Mint Help"_s);
    auto* tabs = window->findChild<QTabWidget*>(u"helpTabs"_s);
    auto* contents = window->findChild<QTreeView*>(u"helpContents"_s);
    QCOMPARE(tabs->currentWidget(), contents);
    QCOMPARE(shownPage(), helppages::homePage());

    // The page shown is the first of the contents, and the contents select it once read.
    auto* model = qobject_cast<QHelpContentModel*>(contents->model());
    QTRY_VERIFY(model->rowCount() > 0);
    QCOMPARE(model->contentItemAt(model->index(0, 0))->url(), helppages::homePage());
    QTRY_COMPARE(contents->currentIndex(), model->index(0, 0));
}

void TestHelp::oneWindowServesEveryRequest()
{
    m_help->showContents();
    m_help->showTopic(57);
    m_help->showTopic(15);
    QVERIFY(helpWindow()); // exactly one
    QCOMPARE(shownPage(), helpUrl(u"options.html#startup"_s));

    auto* back = helpWindow()->findChild<QAction*>(u"helpBack"_s);
    QVERIFY(back->isEnabled());
    back->trigger();
    QCOMPARE(shownPage(), helpUrl(u"troubleshooting.html#inconsistency"_s));

    helpWindow()->close();
    m_help->showContents();
    QVERIFY(helpWindow() && helpWindow()->isVisible());
}

void TestHelp::helpOverAModalDialogIsNotBlocked()
{
    // A test window or a message box with a Help button is modal; the help opened from it must
    // take the input rather than sit blocked behind it.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QGuiApplication::modalWindow(), dialog.windowHandle());

    m_help->showTopic(57);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QCOMPARE(QGuiApplication::modalWindow(), helpWindow()->windowHandle());

    helpWindow()->close();
    QCOMPARE(QGuiApplication::modalWindow(), dialog.windowHandle());
}

void TestHelp::popupTexts_data()
{
    QTest::addColumn<int>("context");
    const QList<int> contexts{1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1031,
                              1035, 1036, 1006, 1007, 1008, 1010, 1011, 1012, 1020, 1021, 1022,
                              1045, 1046};
    for (int context : contexts)
        QTest::addRow("%d", context) << context;
}

void TestHelp::popupTexts()
{
    QFETCH(int, context);
    const QString text = m_help->popupText(context);
    QVERIFY2(text.startsWith(u"<p><b>"_s), qPrintable(text));
    QVERIFY(!text.contains(u"popup-"_s));
    QVERIFY(!helpWindow()); // reading a pop-up opens no window
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
    QTest::newRow("nested elements kept") << page << 7 << u"<p>A <b>nested</b> <i>text</i></p>"
                                                         "<div>x</div>"_s;
    QTest::newRow("empty element") << page << 8 << QString();
    QTest::newRow("element without text") << page << 9 << QString();
    QTest::newRow("any element, UTF-8") << page << 10 << u"café"_s;
    QTest::newRow("not a pop-up") << page << 0 << QString();
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
    QVERIFY(programDir.isValid());
    for (const QString& file : {u"lexmint.qch"_s, u"lexmint.qhc"_s})
        QVERIFY(!test::copyToDir(test::buildDataDir() + u'/' + file, programDir.path(), file)
                     .isEmpty());
    const QStringList installed = QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    const auto searchFor = [](const QString& words) {
        QWidget* window = helpWindow();
        window->findChild<QTabWidget*>(u"helpTabs"_s)->setCurrentIndex(2);
        window->findChild<QLineEdit*>(u"helpSearchInput"_s)->setText(words);
        QTest::keyClick(window->findChild<QLineEdit*>(u"helpSearchInput"_s), Qt::Key_Return);
        return window->findChild<QListWidget*>(u"helpSearchResults"_s);
    };
    const auto resultUrls = [](const QListWidget* results) {
        QList<QUrl> urls;
        for (int row = 0; row < results->count(); ++row)
            urls.append(results->item(row)->data(Qt::UserRole).toUrl());
        return urls;
    };

    m_help = std::make_unique<QtHelpService>(programDir.path() + u'/', m_userDir->path());
    m_help->showContents();
    QListWidget* results = searchFor(u"integrity_check"_s);
    QTRY_VERIFY_WITH_TIMEOUT(resultUrls(results).contains(helpUrl(u"troubleshooting.html"_s)),
                             20000);

    // A later run finds the copy and its index again.
    m_help = std::make_unique<QtHelpService>(programDir.path() + u'/', m_userDir->path());
    m_help->showContents();
    results = searchFor(u"Wayland"_s);
    QTRY_VERIFY_WITH_TIMEOUT(resultUrls(results).contains(helpUrl(u"keyboards.html"_s)), 20000);
    QVERIFY(!resultUrls(results).contains(helpUrl(u"entries.html"_s)));

    QCOMPARE(QDir(programDir.path()).entryList(QDir::AllEntries | QDir::Hidden), installed);
}

void TestHelp::missingHelpIsSilent()
{
    QTemporaryDir programDir;
    QVERIFY(programDir.isValid());
    const QString userDir = m_userDir->path() + u"/help"_s;
    m_help = std::make_unique<QtHelpService>(programDir.path() + u'/', userDir);
    // Only the offscreen platform's notes about window handling may appear.
    QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support)"_s));

    QVERIFY(!m_help->isAvailable());
    QCOMPARE(m_help->popupText(1100), QString());
    m_help->showTopic(57);
    m_help->showContents();

    QWidget* window = helpWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->findChild<QTextBrowser*>()->toPlainText().contains(u"not installed"_s));
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (const QWidget* widget : topLevels)
        QVERIFY2(widget == window || !widget->isVisible(), qPrintable(widget->objectName()));
    QVERIFY(!QFileInfo::exists(userDir));
}

void TestHelp::everyLinkOfTheManualResolves()
{
    QHelpEngine engine(test::buildDataDir() + u"/lexmint.qhc"_s);
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    const QString ns = u"org.orvanel.lexmint"_s;
    QCOMPARE(engine.registeredDocumentations(), QStringList{ns});

    QHash<QUrl, QSet<QString>> pageIds;
    QList<std::pair<QString, QUrl>> links; // where the link is, where it goes
    for (const QUrl& page : engine.files(ns, QString(), u"html"_s)) {
        const PageLinks read = readPage(engine.fileData(page), page);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        pageIds.insert(page, read.ids);
        for (const QUrl& link : read.links)
            links.append({page.toString(), link});
    }
    QVERIFY(pageIds.contains(helppages::homePage()));
    QVERIFY(pageIds.contains(helppages::popupPage()));

    // The contents and the index are read in the background.
    QTRY_VERIFY(engine.contentModel()->rowCount() > 0 && !engine.contentModel()->isCreatingContents());
    QTRY_VERIFY(engine.indexModel()->rowCount() > 0 && !engine.indexModel()->isCreatingIndex());
    QHelpContentModel* contents = engine.contentModel();
    QList<QModelIndex> items{QModelIndex()};
    while (!items.isEmpty()) {
        const QModelIndex parent = items.takeFirst();
        for (int row = 0; row < contents->rowCount(parent); ++row) {
            const QModelIndex item = contents->index(row, 0, parent);
            links.append({u"contents"_s, contents->contentItemAt(item)->url()});
            items.append(item);
        }
    }
    const QStringList keywords = engine.indexModel()->stringList();
    for (const QString& keyword : keywords) {
        const QList<QHelpLink> found = engine.documentsForKeyword(keyword);
        QCOMPARE(found.size(), 1);
        links.append({keyword, found.first().url});
    }

    for (const auto& [from, to] : links) {
        if (to.path().endsWith(u".css"_s)) {
            QVERIFY2(!engine.fileData(to).isEmpty(), qPrintable(to.toString()));
            continue;
        }
        const QUrl page = to.adjusted(QUrl::RemoveFragment);
        QVERIFY2(pageIds.contains(page), qPrintable(from + u" -> "_s + to.toString()));
        QVERIFY2(!to.hasFragment() || pageIds.value(page).contains(to.fragment()),
                 qPrintable(from + u" -> "_s + to.toString()));
    }
}

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
