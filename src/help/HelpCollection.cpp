#include "help/HelpCollection.h"

#include "platform/AppIdentity.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

namespace lexmint {

namespace {

const QString helpNamespace = QStringLiteral("org.orvanel.lexmint");
const QString documentFile = QStringLiteral("lexmint.qch");
const QString collectionFile = QStringLiteral("lexmint.qhc");
// Custom value of the per-user collection: the installed files it was copied from.
const QString sourceKey = QStringLiteral("LexMintHelpSource");

QUrl pageUrl(const QString& page)
{
    return QUrl(QStringLiteral("qthelp://") + helpNamespace + QStringLiteral("/doc/") + page);
}

QString fileStamp(const QFileInfo& file)
{
    return file.absoluteFilePath() + u'|' + QString::number(file.size()) + u'|'
        + QString::number(file.lastModified().toMSecsSinceEpoch());
}

// Each program folder gets a copy of its own, so that two installations of one user do not
// keep replacing each other's copy.
QString copyFolder(const QString& userDir, const QString& programDir)
{
    const QByteArray key = QFileInfo(programDir.isEmpty() ? QStringLiteral(".") : programDir)
                               .absoluteFilePath()
                               .toUtf8();
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return userDir + u'/' + name;
}

// The engine on an existing per-user copy, or null when that copy is missing, unreadable, made
// from other installed files (stamp not empty and different) or without the manual.
std::unique_ptr<QHelpEngine> openCopy(const QString& path, const QString& stamp)
{
    if (!QFileInfo::exists(path))
        return nullptr;
    auto engine = std::make_unique<QHelpEngine>(path);
    engine->setReadOnly(false);
    if (!engine->setupData())
        return nullptr;
    if (!stamp.isEmpty() && engine->customValue(sourceKey).toString() != stamp)
        return nullptr;
    if (!engine->registeredDocumentations().contains(helpNamespace))
        return nullptr;
    return engine;
}

bool makeCopy(const QString& installed, const QString& folder, const QString& copy)
{
    // The folder is this installation's own: dropping it removes the old copy together with
    // the search index built from it.
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        return false;
    QHelpEngineCore source(installed);
    source.setReadOnly(true);
    return source.setupData() && source.copyCollectionFile(copy);
}

} // namespace

namespace helppages {

QUrl homePage()
{
    return pageUrl(QStringLiteral("index.html"));
}

QUrl popupPage()
{
    return pageUrl(QStringLiteral("popups.html"));
}

QString contextIdentifier(int context)
{
    return QStringLiteral("context-") + QString::number(context);
}

} // namespace helppages

QString defaultHelpUserDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u'/'
        + organizationName() + u'/' + applicationTitle() + QStringLiteral("/help");
}

std::unique_ptr<QHelpEngine> openHelpEngine(const QString& programDir, const QString& userDir)
{
    const QFileInfo installed(programDir + collectionFile);
    const QFileInfo document(programDir + documentFile);
    if (!installed.isFile() || !document.isFile())
        return nullptr;

    const QString folder = copyFolder(userDir, programDir);
    const QString copy = folder + u'/' + collectionFile;
    const QString stamp = fileStamp(installed) + u'|' + fileStamp(document);
    if (auto engine = openCopy(copy, stamp))
        return engine;

    if (!makeCopy(installed.absoluteFilePath(), folder, copy))
        return nullptr;
    auto engine = openCopy(copy, QString());
    if (engine)
        engine->setCustomValue(sourceKey, stamp);
    return engine;
}

} // namespace lexmint
