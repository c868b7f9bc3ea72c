#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"
#include "help/HelpCollection.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace lexmint {

namespace {

QUrl withoutFragment(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

// The contents item for a page: the one with exactly that address, else the item of the page
// the address points into.
QModelIndex findContentsItem(const QHelpContentModel& model, const QUrl& page)
{
    QModelIndex pageItem;
    QList<QModelIndex> pending{QModelIndex()};
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeFirst();
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            const QUrl url = model.contentItemAt(index)->url();
            if (url == page)
                return index;
            if (!pageItem.isValid() && !url.hasFragment() && url == withoutFragment(page))
                pageItem = index;
            pending.append(index);
        }
    }
    return pageItem;
}

QString missingHelpNote(const QString& helpFolder)
{
    const QString folder = helpFolder.isEmpty()
        ? QCoreApplication::translate("lexmint::HelpWindow", "the current folder")
        : QStringLiteral("<code>%1</code>").arg(helpFolder.toHtmlEscaped());
    return QCoreApplication::translate(
               "lexmint::HelpWindow",
               "<h2>The help is not installed</h2>"
               "<p>The help files <code>lexmint.qch</code> and <code>lexmint.qhc</code>"
               " were not found in %1. Installing Lex Mint again brings them back.</p>")
        .arg(folder);
}

} // namespace

HelpWindow::HelpWindow(QHelpEngine* engine, const QString& helpFolder, QWidget* parent)
    : QMainWindow(parent), m_engine(engine), m_browser(new HelpBrowser(engine))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Lex Mint Help"));
    // The help accompanies the program: an open help window does not keep it running once the
    // main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(900, 640);

    if (!m_engine) {
        m_browser->setHtml(missingHelpNote(helpFolder));
        setCentralWidget(m_browser);
        return;
    }

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(makeContentsTab(), tr("&Contents"));
    m_tabs->addTab(makeIndexTab(), tr("&Index"));
    QWidget* searchTab = makeSearchTab();
    m_tabs->addTab(searchTab, tr("&Search"));
    // The search index is built on first use, from the moment the search tab is opened.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this, searchTab](int tab) {
        if (m_tabs->widget(tab) == searchTab)
            prepareSearchIndex();
    });

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);

    makeNavigation();
    // The browser tells its new page before source() returns it.
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::selectInContents);
}

QWidget* HelpWindow::makeContentsTab()
{
    m_contents = new QTreeView;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);
    m_contents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHelpContentModel* model = m_engine->contentModel();
    m_contents->setModel(model);
    // The contents are read in the background; select the page shown once they are there.
    connect(model, &QHelpContentModel::contentsCreated, this,
            [this] { selectInContents(m_browser->source()); });
    const auto openItem = [this, model](const QModelIndex& index) {
        if (const QHelpContentItem* item = model->contentItemAt(index))
            m_browser->setSource(item->url());
    };
    connect(m_contents, &QTreeView::activated, this, openItem);
    connect(m_contents, &QTreeView::clicked, this, openItem);
    return m_contents;
}

QWidget* HelpWindow::makeIndexTab()
{
    auto* page = new QWidget;
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(tr("Type a keyword"));
    m_index = new QListView;
    m_index->setObjectName(QStringLiteral("helpIndex"));
    m_index->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_index->setModel(m_engine->indexModel());
    auto* label = new QLabel(tr("&Look for:"));
    label->setBuddy(m_indexFilter);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(m_indexFilter);
    layout->addWidget(m_index);

    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    connect(m_indexFilter, &QLineEdit::returnPressed, this,
            [this] { openKeyword(m_index->currentIndex()); });
    connect(m_index, &QListView::activated, this, &HelpWindow::openKeyword);
    // The index is read in the background; apply the filter again once it is there.
    connect(m_engine->indexModel(), &QHelpIndexModel::indexCreated, this,
            [this] { filterIndex(m_indexFilter->text()); });
    return page;
}

QWidget* HelpWindow::makeSearchTab()
{
    auto* page = new QWidget;
    m_searchInput = new QLineEdit;
    m_searchInput->setObjectName(QStringLiteral("helpSearchInput"));
    m_searchInput->setPlaceholderText(tr("Words to find"));
    auto* button = new QPushButton(tr("Searc&h"));
    button->setObjectName(QStringLiteral("helpSearchButton"));
    m_searchResults = new QListWidget;
    m_searchResults->setObjectName(QStringLiteral("helpSearchResults"));

    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(m_searchInput);
    inputRow->addWidget(button);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(inputRow);
    layout->addWidget(m_searchResults);

    connect(m_searchInput, &QLineEdit::returnPressed, this, &HelpWindow::search);
    connect(button, &QPushButton::clicked, this, &HelpWindow::search);
    const auto openResult = [this](const QListWidgetItem* item) {
        const QUrl url = item->data(Qt::UserRole).toUrl();
        if (url.isValid())
            m_browser->setSource(url);
    };
    connect(m_searchResults, &QListWidget::itemActivated, this, openResult);
    connect(m_searchResults, &QListWidget::itemClicked, this, openResult);

    QHelpSearchEngine* engine = m_engine->searchEngine();
    connect(engine, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_searchIndex = SearchIndex::Ready;
        if (!m_pendingSearch.isEmpty())
            m_engine->searchEngine()->search(std::exchange(m_pendingSearch, QString()));
    });
    connect(engine, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::showSearchResults);
    return page;
}

void HelpWindow::makeNavigation()
{
    auto* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("helpNavigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"),
                                   m_browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);

    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"), this,
                                   &HelpWindow::showContents);
    home->setObjectName(QStringLiteral("helpHome"));
}

void HelpWindow::showContents()
{
    if (m_tabs) {
        m_tabs->setCurrentWidget(m_contents);
        m_browser->setSource(helppages::homePage());
    }
    present();
}

void HelpWindow::showPage(const QUrl& page)
{
    if (m_engine)
        m_browser->setSource(page);
    present();
}

void HelpWindow::present()
{
    // A window shown while a modal dialog is open (a test, a message box with a Help button)
    // is blocked by that dialog, unless it belongs to the dialog. Made transient for the
    // dialog, the help stays usable, and so does the dialog beside it.
    const QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->windowHandle() : nullptr;
    if (!windowHandle())
        create();
    if (windowHandle()->transientParent() != owner) {
        // The window manager reads the owner when the window is mapped.
        hide();
        windowHandle()->setTransientParent(owner);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void HelpWindow::selectInContents(const QUrl& page)
{
    const QModelIndex item = findContentsItem(*m_engine->contentModel(), page);
    if (!item.isValid())
        return;
    m_contents->setCurrentIndex(item);
    m_contents->scrollTo(item);
}

void HelpWindow::filterIndex(const QString& text)
{
    const QModelIndex best = m_engine->indexModel()->filter(text);
    if (best.isValid())
        m_index->setCurrentIndex(best);
}

void HelpWindow::openKeyword(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QList<QHelpLink> links = m_engine->documentsForKeyword(index.data().toString());
    if (!links.isEmpty())
        m_browser->setSource(links.first().url);
}

void HelpWindow::prepareSearchIndex()
{
    if (m_searchIndex != SearchIndex::NotBuilt)
        return;
    m_searchIndex = SearchIndex::Building;
    m_engine->searchEngine()->scheduleIndexDocumentation();
}

void HelpWindow::search()
{
    const QString words = m_searchInput->text().trimmed();
    if (words.isEmpty())
        return;
    if (m_searchIndex == SearchIndex::Ready) {
        m_engine->searchEngine()->search(words);
        return;
    }
    // The index is built on first use; the search runs as soon as it is ready.
    m_pendingSearch = words;
    m_searchResults->clear();
    m_searchResults->addItem(tr("Preparing the search..."));
    prepareSearchIndex();
}

void HelpWindow::showSearchResults(int count)
{
    m_searchResults->clear();
    const QList<QHelpSearchResult> results = m_engine->searchEngine()->searchResults(0, count);
    for (const QHelpSearchResult& result : results) {
        auto* item = new QListWidgetItem(result.title(), m_searchResults);
        item->setData(Qt::UserRole, result.url());
        item->setToolTip(result.snippet());
    }
    if (results.isEmpty())
        m_searchResults->addItem(tr("No topic contains these words."));
}

} // namespace lexmint
