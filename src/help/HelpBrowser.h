#pragma once

#include <QTextBrowser>

QT_BEGIN_NAMESPACE
class QHelpEngineCore;
QT_END_NAMESPACE

namespace lexmint {

/// A text browser that reads pages, style sheets and pictures of "qthelp:" addresses out of the
/// compressed help, and nothing else. It follows links inside the help only.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    /// engine may be null: the browser then only shows text that is set on it.
    explicit HelpBrowser(const QHelpEngineCore* engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    const QHelpEngineCore* m_engine;
};

} // namespace lexmint
