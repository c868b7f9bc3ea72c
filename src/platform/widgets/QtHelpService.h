#pragma once

#include "help/HelpCollection.h"
#include "platform/HelpService.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QHelpEngine;
QT_END_NAMESPACE

namespace lexmint {

class HelpWindow;

/// The program's help on Qt Help: the manual "lexmint.qch" with its collection "lexmint.qhc" in
/// the program folder, shown in the program's own help window. The help is opened on first use;
/// when it is missing, the window only says so and pop-up texts are empty.
class QtHelpService final : public HelpService {
public:
    /// programDir: the program folder, ending in "/" (empty: the current folder). userDir: where
    /// the per-user copy of the collection and the search index are kept.
    explicit QtHelpService(QString programDir, QString userDir = defaultHelpUserDir());
    ~QtHelpService() override;

    QtHelpService(const QtHelpService&) = delete;
    QtHelpService& operator=(const QtHelpService&) = delete;

    /// Shows the help window with the contents tab at the first page.
    void showContents() override;
    /// Shows the topic registered for the context; the contents when there is none.
    void showTopic(int context) override;
    /// The XHTML of the pop-up text for the context, read from the help; empty if none.
    QString popupText(int context) const override;

    /// The help files were found and could be read.
    bool isAvailable() const;

private:
    QHelpEngine* engine() const;
    HelpWindow& window();

    QString m_programDir;
    QString m_userDir;
    // Declared before the window, which uses the engine's models, so that it outlives it.
    mutable std::unique_ptr<QHelpEngine> m_engine;
    mutable bool m_engineOpened = false;
    mutable std::optional<QHash<int, QString>> m_popups;
    std::unique_ptr<HelpWindow> m_window;
};

} // namespace lexmint
