#include "VocabularySession.h"

#include "shell/PathTitles.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/widgets/BusyPointer.h"
#include "store/FileFormat.h"
#include "store/VocabularyFile.h"

#include <QDir>
#include <QFileInfo>

namespace lexmint {

namespace {

const QString OpenTitle = QStringLiteral("Open Vocabulary");

} // namespace

VocabularySession::VocabularySession(MessageService& messages, FileDialogService& files,
                                     QString programDir, QObject* parent)
    : QObject(parent), m_messages(messages), m_files(files), m_programDir(std::move(programDir))
{
}

bool VocabularySession::isReadOnly() const
{
    const Database* db = m_sources.database();
    return db && db->isOpen() && db->isReadOnly();
}

void VocabularySession::reportEngineError(const StoreError& error)
{
    m_messages.show({QStringLiteral("SQLite Engine Error %1: %2").arg(error.number).arg(error.description),
                     OpenTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

void VocabularySession::reportRefused(const QString& path, const QString& reason)
{
    m_messages.show({QStringLiteral("Cannot open %1\r%2").arg(path, reason), OpenTitle,
                     MessageIcon::Exclamation, MessageButtons::Ok});
}

bool VocabularySession::openVocabulary(const QString& path)
{
    if (detectFileFormat(path) == FileFormat::Access) {
        reportRefused(path, QStringLiteral("This is an Access database, such as a vocabulary of an "
                                           "older Lex Mint. This version cannot read that format."));
        return false;
    }
    VocabInfo info = m_current;
    StoreError error;
    const std::optional<VocabularyLayout> layout =
        vocabularyfile::inspect(path, info, m_defaults, m_messages, &error);
    if (!layout) {
        if (error.kind == StoreError::Kind::NotVocabulary)
            reportRefused(path, QStringLiteral("Not a Lex Mint database."));
        else
            reportEngineError(error);
        return false;
    }
    if (!m_sources.attach(path, &error)) {
        reportEngineError(error);
        return false;
    }
    info.path = m_current.path;
    m_current = info;
    m_testModes = layout->testModes;
    emit vocabularyOpened(path);
    return true;
}

QString VocabularySession::dialogFolder() const
{
    if (!m_dialogFile.isEmpty())
        return dirOfPath(m_dialogFile);
    if (isOpen())
        return dirOfPath(m_current.path);
    return m_programDir;
}

bool VocabularySession::newVocabulary()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Create New Vocabulary");
    request.directory = dialogFolder();
    request.filters = QStringList{VocabularyFilter};
    request.defaultSuffix = QStringLiteral("lxm");
    const std::optional<QString> chosen = m_files.saveFile(request);
    if (!chosen)
        return false;
    m_dialogFile = *chosen;

    BusyPointer busy;
    // The file being replaced may be the open one; it must not stay open underneath.
    if (isOpen() && m_current.path == *chosen)
        close();
    StoreError error;
    if (!Database::copyDatabase(m_programDir + QStringLiteral("vocab.mdn"), *chosen, &error,
                                Database::Existing::Replace)) {
        m_messages.show({QStringLiteral("Cannot create new database.\rError %1: %2")
                             .arg(error.number)
                             .arg(error.description),
                         QString(), MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    if (!openVocabulary(*chosen))
        return false;
    m_current.path = *chosen;
    return true;
}

bool VocabularySession::openVocabularyDialog()
{
    FileDialogRequest request;
    request.title = OpenTitle;
    request.directory = dialogFolder();
    request.filters = QStringList{VocabularyFilter, OlderVocabularyFilter};
    request.defaultSuffix = QStringLiteral("lxm");
    for (;;) {
        const std::optional<QString> chosen = m_files.openFile(request);
        if (!chosen)
            return false;
        m_dialogFile = *chosen;
        BusyPointer busy;
        if (openVocabulary(*chosen)) {
            m_current.path = *chosen;
            return true;
        }
        // A refused file brings the dialog back with its name still filled in.
        request.directory = dirOfPath(*chosen);
        request.fileName = *chosen;
    }
}

QString VocabularySession::personalCopy(const QString& samplePath, const QString& folder)
{
    const QString copy = folder + QLatin1Char('/') + QFileInfo(samplePath).fileName();
    if (QFileInfo::exists(copy))
        return copy;
    return QDir().mkpath(folder) && Database::copyDatabase(samplePath, copy) ? copy : samplePath;
}

void VocabularySession::close()
{
    m_sources.detach();
    m_current.path.clear();
    m_testModes.clear();
}

} // namespace lexmint
