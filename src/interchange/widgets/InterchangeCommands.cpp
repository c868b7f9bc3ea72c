#include "interchange/widgets/InterchangeCommands.h"

#include "shell/PathTitles.h"
#include "entries/VocabularyHost.h"
#include "interchange/FileKind.h"
#include "interchange/VocabularyImporter.h"
#include "interchange/VocabularyReader.h"
#include "interchange/WordListWriter.h"
#include "interchange/widgets/ExportDialog.h"
#include "interchange/widgets/ImportDialog.h"
#include "interchange/widgets/ImportReportDialog.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "store/VocabInfo.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"

#include <QFile>
#include <QProgressDialog>

namespace lexmint {

namespace {

QString importTitle()
{
    return InterchangeCommands::tr("Import Words");
}

QString exportTitle()
{
    return InterchangeCommands::tr("Export Words");
}

QStringList importFilters()
{
    QStringList patterns;
    QStringList filters;
    for (const FileKind kind : exportKinds()) {
        filters.append(fileKindFilter(kind));
        patterns.append(QStringLiteral("*.") + fileKindSuffix(kind));
    }
    filters.prepend(InterchangeCommands::tr("Word lists (%1)").arg(patterns.join(u' ')));
    filters.append(InterchangeCommands::tr("All files (*)"));
    return filters;
}

// The open vocabulary's connection when it can be worked on; nothing otherwise.
Database* openDatabase(VocabularyHost& host)
{
    Database* db = host.sources().database();
    return db && db->isOpen() ? db : nullptr;
}

} // namespace

InterchangeCommands::InterchangeCommands(VocabularyHost& host, MessageService& messages,
                                         FileDialogService& files, const Clock& clock,
                                         QWidget* window)
    : QObject(window),
      m_host(host),
      m_messages(messages),
      m_files(files),
      m_clock(clock),
      m_window(window)
{
}

QString InterchangeCommands::dialogFolder() const
{
    return dirOfPath(m_lastFile.isEmpty() ? m_host.currentVocabulary().path : m_lastFile);
}

void InterchangeCommands::warn(const QString& text, const QString& title)
{
    m_messages.show({text, title, MessageIcon::Exclamation, MessageButtons::Ok});
}

void InterchangeCommands::importWordList()
{
    Database* db = openDatabase(m_host);
    if (!db)
        return;
    if (db->isReadOnly()) {
        warn(tr("The vocabulary file is read-only, so no words can be imported into it."),
             importTitle());
        return;
    }
    FileDialogRequest request;
    request.title = importTitle();
    request.directory = dialogFolder();
    request.filters = importFilters();
    const std::optional<QString> path = m_files.openFile(request);
    if (!path)
        return;
    m_lastFile = *path;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Cannot read %1: %2").arg(*path, file.errorString()), importTitle());
        return;
    }
    ImportDialog dialog(*path, file.readAll(), m_host.currentVocabulary().headwordSize, m_window);
    file.close();
    if (dialog.exec() == QDialog::Accepted)
        runImport(dialog.plan(), dialog.duplicateRule(), *path);
}

void InterchangeCommands::runImport(const ImportPlan& plan, DuplicateRule rule, const QString& path)
{
    Database* db = openDatabase(m_host);
    if (!db)
        return;
    QProgressDialog progress(tr("Importing words..."), tr("Cancel"), 0, int(plan.entries.size()),
                             m_window);
    progress.setObjectName(QStringLiteral("frmImportProgress"));
    progress.setWindowTitle(importTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto advance = [&progress](qsizetype done, qsizetype) {
        progress.setValue(int(done));
        return !progress.wasCanceled();
    };
    ImportReport report;
    StoreError error;
    const VocabularyImporter::Outcome outcome =
        VocabularyImporter(*db, m_clock).run(plan, rule, report, advance, &error);
    progress.reset();

    switch (outcome) {
    case VocabularyImporter::Outcome::Cancelled:
        emit done(tr("Import cancelled; the vocabulary was not changed."));
        return;
    case VocabularyImporter::Outcome::Failed:
        warn(tr("The words could not be imported: %1\rThe vocabulary was not changed.")
                 .arg(error.description),
             importTitle());
        return;
    case VocabularyImporter::Outcome::Done: break;
    }
    m_host.dataRefresh();
    m_host.contextUpdate();
    emit done(tr("Imported: %1.").arg(report.summary()));
    if (!report.refused.isEmpty() || !report.notes.isEmpty()) {
        ImportReportDialog reportDialog(report.text(path), path + QStringLiteral(".report.txt"),
                                        m_files, m_messages, m_window);
        reportDialog.exec();
    }
}

void InterchangeCommands::exportWordList()
{
    Database* db = openDatabase(m_host);
    if (!db)
        return;
    const QString vocabulary = m_host.currentVocabulary().path;
    FileDialogRequest request;
    request.title = exportTitle();
    request.directory = dialogFolder();
    request.fileName = fileTitle(vocabulary);
    for (const FileKind kind : exportKinds())
        request.filters.append(fileKindFilter(kind));
    request.defaultSuffix = QStringLiteral("csv");
    const std::optional<QString> path = m_files.saveFile(request);
    if (!path)
        return;
    m_lastFile = *path;
    const std::optional<FileKind> kind = fileKindOf(*path);
    if (!kind || !exportKinds().contains(*kind)) {
        warn(tr("Choose one of the file types offered: CSV, tab-separated, flash-card text or "
                "KVTML."),
             exportTitle());
        return;
    }

    StoreError error;
    const std::optional<VocabularyLayout> layout = vocabularyfile::recognise(*db, &error);
    ExportDialog dialog(
        *kind, QStringList{QStringLiteral("All")} + (layout ? layout->testModes : QStringList()),
        m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<QList<VocabularyEntry>> entries =
        vocabularyreader::read(*db, dialog.testMode(), &error);
    if (!entries) {
        warn(tr("The entries could not be read: %1").arg(error.description), exportTitle());
        return;
    }
    ExportSettings settings = dialog.settings();
    settings.title = fileTitle(vocabulary);
    QString failure;
    if (!wordlistwriter::writeFile(*path, *entries, settings, &failure)) {
        warn(tr("Cannot write %1: %2").arg(*path, failure), exportTitle());
        return;
    }
    emit done(tr("%n entries exported to %1.", nullptr, int(entries->size())).arg(*path));
}

} // namespace lexmint
