#include "VocabularySession.h"

#include "shell/PathTitles.h"
#include "platform/Clock.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/widgets/BusyPointer.h"
#include "store/FileFormat.h"
#include "store/FileSoundness.h"
#include "store/Salvage.h"
#include "store/VocabularyFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace lexmint {

namespace {

QString openTitle()
{
    return QCoreApplication::translate("lexmint::VocabularySession", "Open Vocabulary");
}

/// A name for a new vocabulary in `folder` (ending in a separator) that no file has yet:
/// "Vocabulary.lxm", else "Vocabulary 2.lxm", "Vocabulary 3.lxm" and so on.
QString unusedVocabularyName(const QString& folder)
{
    QString name = folder + QStringLiteral("Vocabulary.lxm");
    for (int number = 2; QFileInfo::exists(name); ++number)
        name = folder + QStringLiteral("Vocabulary %1.lxm").arg(number);
    return name;
}

} // namespace

VocabularySession::VocabularySession(MessageService& messages, FileDialogService& files,
                                     const Clock& clock, QString programDir, QString userFolder,
                                     QObject* parent)
    : QObject(parent),
      m_messages(messages),
      m_files(files),
      m_clock(clock),
      m_programDir(std::move(programDir)),
      m_userFolder(std::move(userFolder))
{
    m_sources.setReadErrorHandler([this](const StoreError& error) { reportReadError(error); });
}

bool VocabularySession::isReadOnly() const
{
    const Database* db = m_sources.database();
    return db && db->isOpen() && db->isReadOnly();
}

void VocabularySession::reportEngineError(const StoreError& error)
{
    m_messages.show({tr("SQLite Engine Error %1: %2").arg(error.number).arg(error.description),
                     openTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
}

void VocabularySession::reportRefused(const QString& path, const QString& reason)
{
    m_messages.show({tr("Cannot open %1\r%2").arg(path, reason), openTitle(),
                     MessageIcon::Exclamation, MessageButtons::Ok});
}

void VocabularySession::reportReadError(const StoreError& error)
{
    // The data sheet reads while it paints, where no box may open, and one failed read brings
    // more: they make one report, once the event at hand is over.
    if (std::exchange(m_readErrorPending, true))
        return;
    QTimer::singleShot(0, this, [this, error] {
        vocabularyfile::reportReadError(m_messages, error);
        m_readErrorPending = false;
    });
}

void VocabularySession::reportKeptReadOnly(const QString& path, const WriteRefusal& refusal)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (refusal.cause) {
    case WriteRefusal::Cause::Damaged:
        if (m_messages.show({tr("The vocabulary file %1 is damaged. Lex Mint keeps it "
                                "read-only, so that no more of it is lost: you can "
                                "look at its entries and test yourself, but nothing "
                                "is saved in it.\r\rSave what can still be read as a "
                                "new vocabulary?")
                                 .arg(file),
                             openTitle(), MessageIcon::Critical, MessageButtons::YesNo})
            == MessageAnswer::Yes)
            QMetaObject::invokeMethod(
                this, [this, path] { emit salvageRequested(path); }, Qt::QueuedConnection);
        return;
    case WriteRefusal::Cause::ForeignTriggers:
        m_messages.show({tr("The vocabulary file %1 contains triggers that Lex Mint "
                            "did not create: %2.\rThey could change or delete "
                            "entries whenever Lex Mint writes into the file, so Lex "
                            "Mint keeps it read-only. Remove them with another tool, "
                            "such as sqlite3, to change the vocabulary in Lex Mint.")
                             .arg(file, refusal.triggers.join(QStringLiteral(", "))),
                         openTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    case WriteRefusal::Cause::Unprepared:
        m_messages.show({tr("The vocabulary file %1 was opened read-only, because it "
                            "could not be prepared for use:\r%2")
                             .arg(file, refusal.detail),
                         openTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    case WriteRefusal::Cause::None: return;
    }
}

void VocabularySession::refuseUnreadableName(const QString& path)
{
    reportRefused(path,
                  tr("The file's name is not valid UTF-8 text, and Lex Mint can "
                     "open only files whose names are. Rename the file, for "
                     "example in the file manager, and open it again."));
}

bool VocabularySession::openVocabulary(const QString& path)
{
    // Told before anything opens the file: opening a named pipe would wait for a writer.
    if (const QString notAFile = whyNotAFile(path); !notAFile.isEmpty()) {
        reportRefused(path, notAFile);
        return false;
    }
    if (detectFileFormat(path) == FileFormat::Access) {
        reportRefused(path,
                      tr("This is an Access database, such as a vocabulary of an "
                         "older Lex Mint. This version cannot read that format."));
        return false;
    }
    VocabInfo info = m_current;
    StoreError error;
    const std::optional<VocabularyLayout> layout = vocabularyfile::inspect(
        path, info, m_defaults, m_messages, &error,
        [this](qint64 done, qint64 total) { emit computingMemoryStates(done, total); });
    if (!layout) {
        if (error.kind == StoreError::Kind::NotVocabulary)
            reportRefused(path, tr("Not a Lex Mint database."));
        else
            reportEngineError(error);
        return false;
    }
    if (isOpen())
        emit vocabularyClosing();
    info.readOnlyReason = layout->refusal.reason();
    if (!m_sources.attach(path, &error, info.readOnlyReason)) {
        reportEngineError(error);
        return false;
    }
    checkBeforeFirstWrite(path);
    info.path = m_current.path;
    m_current = info;
    m_testModes = layout->testModes;
    emit vocabularyOpened(path);
    reportKeptReadOnly(path, layout->refusal);
    return true;
}

bool VocabularySession::openFile(const QString& path)
{
    QString file = absolutePath(path);
    // The installed files stay as shipped: the learner works in a copy of their own.
    if (isInsideFolder(file, m_programDir))
        file = personalCopy(file);
    if (!openVocabulary(file))
        return false;
    m_current.path = file;
    return true;
}

void VocabularySession::checkBeforeFirstWrite(const QString& path)
{
    Database* opened = m_sources.database();
    if (opened->isReadOnly())
        return;
    opened->checkBeforeFirstWrite([this, path, opened](const Database& db) {
        QString reason = filesoundness::damageBeforeFirstWrite(db);
        if (!reason.isEmpty()) {
            // Told once the write that found the damage has told why it failed.
            QMetaObject::invokeMethod(
                this,
                [this, path, opened, reason] {
                    if (m_sources.database() != opened)
                        return;
                    m_current.readOnlyReason = reason;
                    emit becameReadOnly();
                    reportKeptReadOnly(path, {WriteRefusal::Cause::Damaged, {}, {}});
                },
                Qt::QueuedConnection);
        }
        return reason;
    });
}

QString VocabularySession::templatePath() const
{
    return m_programDir + QStringLiteral("vocab.mdn");
}

QString VocabularySession::dialogFolder() const
{
    if (!m_dialogFile.isEmpty())
        return dirOfPath(m_dialogFile);
    if (isOpen())
        return dirOfPath(m_current.path);
    // Made here if need be, so that the dialog can show it rather than some other folder.
    QDir().mkpath(m_userFolder);
    return m_userFolder + PathSeparator;
}

std::optional<QString> VocabularySession::askForNewFile(const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.directory = dialogFolder();
    request.fileName = unusedVocabularyName(request.directory);
    request.filters = QStringList{vocabularyFilter()};
    request.defaultSuffix = QStringLiteral("lxm");
    const std::optional<QString> chosen = m_files.saveFile(request);
    if (!chosen)
        return std::nullopt;
    m_dialogFile = absolutePath(*chosen);
    return m_dialogFile;
}

bool VocabularySession::newVocabulary()
{
    const std::optional<QString> chosen = askForNewFile(tr("Create New Vocabulary"));
    if (!chosen)
        return false;
    const QString& path = *chosen;

    BusyPointer busy;
    // The copy takes the file's name only once it is complete, so a failed copy costs nothing,
    // not even when it was to replace the open vocabulary.
    const bool replacesOpen = isOpen() && samePath(m_current.path, path);
    StoreError error;
    if (!Database::copyDatabase(templatePath(), path, &error, Database::Existing::Replace)) {
        m_messages.show({tr("Cannot create new database.\rError %1: %2")
                             .arg(error.number)
                             .arg(error.description),
                         QString(), MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    if (!openVocabulary(path)) {
        // The open vocabulary's file is gone; what it still shows must not be worked on.
        if (replacesOpen)
            close();
        return false;
    }
    m_current.path = path;
    return true;
}

bool VocabularySession::openVocabularyDialog()
{
    FileDialogRequest request;
    request.title = openTitle();
    request.directory = dialogFolder();
    request.filters = QStringList{vocabularyFilter(), olderVocabularyFilter()};
    request.defaultSuffix = QStringLiteral("lxm");
    for (;;) {
        const std::optional<QString> chosen = m_files.openFile(request);
        if (!chosen)
            return false;
        const QString path = absolutePath(*chosen);
        BusyPointer busy;
        if (openFile(path)) {
            m_dialogFile = m_current.path;
            return true;
        }
        // A refused file brings the dialog back with its name still filled in.
        m_dialogFile = path;
        request.directory = dirOfPath(path);
        request.fileName = path;
    }
}

bool VocabularySession::saveReadableAsNew(const QString& damagedPath)
{
    const QString title = tr("Save As New Vocabulary");
    const std::optional<QString> chosen = askForNewFile(title);
    if (!chosen)
        return false;
    if (samePath(*chosen, damagedPath)) {
        m_messages.show({tr("The damaged file itself cannot take the entries, since "
                            "they are read from it. Choose another file."),
                         title, MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }

    BusyPointer busy;
    StoreError error;
    const std::optional<int> saved =
        salvageVocabulary(damagedPath, templatePath(), *chosen, &error);
    if (!saved) {
        m_messages.show({tr("The entries could not be saved.\rError %1: %2")
                             .arg(error.number)
                             .arg(error.description),
                         title, MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    if (!openVocabulary(*chosen))
        return false;
    m_current.path = *chosen;
    m_messages.show(
        {tr("%n entries were saved in %1.", nullptr, *saved).arg(QDir::toNativeSeparators(*chosen)),
         title, MessageIcon::Information, MessageButtons::Ok});
    return true;
}

QString VocabularySession::personalCopy(const QString& samplePath) const
{
    const QString copy = m_userFolder + PathSeparator + QFileInfo(samplePath).fileName();
    if (QFileInfo::exists(copy))
        return copy;
    return QDir().mkpath(m_userFolder) && Database::copyDatabase(samplePath, copy) ? copy
                                                                                   : samplePath;
}

std::optional<ProgressReport> VocabularySession::readProgress(QString* reason) const
{
    if (!isOpen()) {
        *reason = tr("Open a vocabulary to see how you are getting on with it.");
        return std::nullopt;
    }
    StoreError error;
    std::optional<ProgressReport> report =
        lexmint::readProgress(*m_sources.database(), m_clock, &error);
    if (!report)
        *reason =
            tr("The progress in this vocabulary could not be read.\n%1").arg(error.description);
    return report;
}

std::optional<ScheduleCounts> VocabularySession::readScheduleCounts() const
{
    if (!isOpen())
        return std::nullopt;
    return lexmint::readScheduleCounts(*m_sources.database(), m_clock.today());
}

bool VocabularySession::writeOptions(const VocabInfo& options, MessageService& messages)
{
    if (isOpen() && options.path == m_current.path)
        return vocabularyfile::writeVocabProperties(*m_sources.database(), options, messages);
    return vocabularyfile::writeVocabProperties(options, messages);
}

void VocabularySession::close()
{
    if (isOpen())
        emit vocabularyClosing();
    m_sources.detach();
    m_current.path.clear();
    m_testModes.clear();
}

} // namespace lexmint
