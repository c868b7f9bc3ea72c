#pragma once

#include "progress/ProgressReport.h"
#include "store/VocabInfo.h"
#include "store/VocabularySources.h"

#include <QObject>
#include <QStringList>

namespace lexmint {

class Clock;
class FileDialogService;
class MessageService;
struct WriteRefusal;

/// The open vocabulary and the ways to open, create and close one. It checks a file before
/// anything changes: a refused file leaves the open vocabulary, its test modes and the file
/// itself as they were. Reports go through the message service; no widget is involved. A
/// failed read of the open vocabulary is reported too, with its cause, once the event that
/// read is over.
class VocabularySession : public QObject {
    Q_OBJECT
public:
    /// programDir: the install folder with the template, ending in "/"; userFolder: the folder
    /// for the user's own vocabularies (see userVocabularyFolder()).
    VocabularySession(MessageService& messages, FileDialogService& files, const Clock& clock,
                      QString programDir, QString userFolder, QObject* parent = nullptr);

    /// The open vocabulary; an empty path means none is open.
    VocabInfo& current() { return m_current; }
    const VocabInfo& current() const { return m_current; }
    /// The options a vocabulary gets when its file lacks them.
    VocabInfo& newVocabularyDefaults() { return m_defaults; }
    bool isOpen() const { return !m_current.path.isEmpty(); }
    /// Whether the open file can only be read.
    bool isReadOnly() const;
    /// The test modes of the open file besides "All", in the file's order.
    const QStringList& testModes() const { return m_testModes; }
    VocabularySources& sources() { return m_sources; }
    const QString& programDir() const { return m_programDir; }

    /// Checks the file and binds the data sources to it. The path of current() is left to
    /// the caller. False, after a message, when the file was refused. A file that must not be
    /// written into (damaged, with triggers of its own, or not ready for use) is opened
    /// read-only with a message; for a damaged one the user may ask to save what can be read
    /// as a new vocabulary (salvageRequested()).
    bool openVocabulary(const QString& path);
    /// Opens the vocabulary a path names and makes it the open one, with its path kept absolute
    /// and clean; a file in the install folder is opened as the user's own copy. False, after a
    /// message, when the file was refused.
    bool openFile(const QString& path);
    /// Refuses a start-up file whose name could not be read as text, with that reason.
    void refuseUnreadableName(const QString& path);
    /// Asks for a file name and saves what can be read of the damaged vocabulary at
    /// `damagedPath` there as a new vocabulary, which it then opens. True when it is open.
    bool saveReadableAsNew(const QString& damagedPath);
    /// Asks for a file name, suggesting one not yet taken, makes it a copy of the template and
    /// opens it. True when a new vocabulary is open. The open vocabulary stays open, and its file
    /// as it was, until the copy is complete, also when the copy is to replace it.
    bool newVocabulary();
    /// Asks for a file until one is opened (as openFile() does) or the user cancels. True when
    /// one was opened.
    bool openVocabularyDialog();
    /// Detaches everything; no vocabulary is open afterwards.
    void close();

    /// The learning progress in the open vocabulary as of now; nothing, and the reason in
    /// words, when no vocabulary is open or its progress cannot be read.
    std::optional<ProgressReport> readProgress(QString* reason) const;
    /// The entries due today and the known ones in the open vocabulary.
    std::optional<ScheduleCounts> readScheduleCounts() const;
    /// Stores the options of the vocabulary at `options.path` into its file: through the open
    /// connection when it is the open vocabulary, whose file is known to be safe to write or is
    /// kept read-only; failures are reported through `messages`.
    bool writeOptions(const VocabInfo& options, MessageService& messages);

    /// The user's own copy of an installed sample vocabulary in the user's folder, made on
    /// first use, since the install folder is usually not writable and a learner's answers
    /// must be kept. The sample itself when no copy can be made.
    QString personalCopy(const QString& samplePath) const;

signals:
    /// A file was opened or created, to be put at the top of the recent list.
    void vocabularyOpened(const QString& path);
    /// The open vocabulary is about to be closed or replaced by another; whatever works on it
    /// must let go of it now.
    void vocabularyClosing();
    /// The user asked to save what can be read of the damaged vocabulary just opened; sent
    /// once the opening is done, so that the caller has shown that vocabulary first.
    void salvageRequested(const QString& damagedPath);
    /// The open vocabulary turned out damaged at its first write, and is now kept read-only.
    void becameReadOnly();
    /// Opening a file computes the memory states of `total` entries; `done` are computed.
    void computingMemoryStates(qint64 done, qint64 total);

private:
    /// Where a file dialog starts, ending in a separator.
    QString dialogFolder() const;
    /// Asks for the name of a file to create, in the save dialog with this title; the name
    /// comes back absolute and clean.
    std::optional<QString> askForNewFile(const QString& title);
    QString templatePath() const;
    /// Has the whole file checked before the open connection first writes into it.
    void checkBeforeFirstWrite(const QString& path);
    void reportEngineError(const StoreError& error);
    void reportRefused(const QString& path, const QString& reason);
    void reportReadError(const StoreError& error);
    void reportKeptReadOnly(const QString& path, const WriteRefusal& refusal);

    MessageService& m_messages;
    FileDialogService& m_files;
    const Clock& m_clock;
    QString m_programDir;
    QString m_userFolder;
    VocabInfo m_current;
    VocabInfo m_defaults;
    QStringList m_testModes;
    VocabularySources m_sources;
    /// The file chosen at the last use of a file dialog that was not cancelled; the user's own
    /// copy when an installed sample was chosen.
    QString m_dialogFile;
    bool m_readErrorPending = false;
};

} // namespace lexmint
