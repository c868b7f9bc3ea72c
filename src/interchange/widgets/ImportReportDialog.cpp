#include "interchange/widgets/ImportReportDialog.h"

#include "platform/FileDialogService.h"
#include "platform/MessageService.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace lexmint {

ImportReportDialog::ImportReportDialog(QString report, QString suggestedPath,
                                       FileDialogService& files, MessageService& messages,
                                       QWidget* parent)
    : QDialog(parent),
      m_report(std::move(report)),
      m_suggestedPath(std::move(suggestedPath)),
      m_files(files),
      m_messages(messages)
{
    setObjectName(QStringLiteral("frmImportReport"));
    setWindowTitle(tr("Import Report"));
    auto* text = new QPlainTextEdit(m_report);
    text->setObjectName(QStringLiteral("txtReport"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* saveButton = buttons->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("cmdSave"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(saveButton, &QPushButton::clicked, this, &ImportReportDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(600, 400);
}

void ImportReportDialog::save()
{
    FileDialogRequest request;
    request.title = tr("Save Import Report");
    request.fileName = m_suggestedPath;
    request.filters = QStringList{tr("Text file (*.txt)")};
    request.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = m_files.saveFile(request);
    if (!path)
        return;
    QSaveFile file(*path);
    const QByteArray bytes = m_report.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    m_messages.show({tr("Cannot write %1: %2").arg(*path, file.errorString()), tr("Import Report"),
                     MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace lexmint
