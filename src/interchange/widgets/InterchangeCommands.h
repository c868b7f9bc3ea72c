#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace lexmint {

class Clock;
class FileDialogService;
class MessageService;
class VocabularyHost;
struct ImportPlan;
enum class DuplicateRule;

/// The Import and Export commands of the open vocabulary: they ask for the file, show what
/// will happen, run it with a progress bar that can cancel, and report.
class InterchangeCommands final : public QObject {
    Q_OBJECT
public:
    InterchangeCommands(VocabularyHost& host, MessageService& messages, FileDialogService& files,
                        const Clock& clock, QWidget* window);

    /// Imports a word list into the open vocabulary, all of it or nothing.
    void importWordList();
    /// Writes the open vocabulary, or one of its test modes, to a word list.
    void exportWordList();

signals:
    /// What a command did, for the status bar.
    void done(const QString& summary);

private:
    void runImport(const ImportPlan& plan, DuplicateRule rule, const QString& path);
    void warn(const QString& text, const QString& title);
    QString dialogFolder() const;

    VocabularyHost& m_host;
    MessageService& m_messages;
    FileDialogService& m_files;
    const Clock& m_clock;
    QPointer<QWidget> m_window;
    QString m_lastFile;
};

} // namespace lexmint
