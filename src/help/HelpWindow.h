#pragma once

#include <QMainWindow>
#include <QUrl>

QT_BEGIN_NAMESPACE
class QHelpEngine;
class QLineEdit;
class QListView;
class QListWidget;
class QModelIndex;
class QTabWidget;
class QTreeView;
QT_END_NAMESPACE

namespace lexmint {

class HelpBrowser;

/// The help window: the contents, the index with its filter line and the full-text search on
/// the left, the page on the right, with back, forward and home. One window serves every
/// request; closing it only hides it.
class HelpWindow final : public QMainWindow {
    Q_OBJECT

public:
    /// engine may be null when the help is missing: the window then only shows a short note
    /// that names helpFolder, where the help files were looked for.
    HelpWindow(QHelpEngine* engine, const QString& helpFolder, QWidget* parent = nullptr);

    /// Shows the window with the contents tab at the first page.
    void showContents();
    /// Shows the window at a page of the help.
    void showPage(const QUrl& page);

private:
    QWidget* makeContentsTab();
    QWidget* makeIndexTab();
    QWidget* makeSearchTab();
    void makeNavigation();
    void present();
    void selectInContents(const QUrl& page);
    void filterIndex(const QString& text);
    void openKeyword(const QModelIndex& index);
    void prepareSearchIndex();
    void search();
    void showSearchResults(int count);

    enum class SearchIndex { NotBuilt, Building, Ready };

    QHelpEngine* m_engine;
    HelpBrowser* m_browser;
    QTabWidget* m_tabs = nullptr;
    QTreeView* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListView* m_index = nullptr;
    QLineEdit* m_searchInput = nullptr;
    QListWidget* m_searchResults = nullptr;
    SearchIndex m_searchIndex = SearchIndex::NotBuilt;
    QString m_pendingSearch;
};

} // namespace lexmint
