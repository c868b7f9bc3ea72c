#include "shell/UserFolder.h"

#include "platform/AppIdentity.h"

#include <QDir>
#include <QStandardPaths>

namespace lexmint {

QString userVocabularyFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir::cleanPath(documents + u'/' + applicationTitle());
}

} // namespace lexmint
