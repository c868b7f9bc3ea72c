#pragma once

#include <QDialog>

namespace lexmint {

class FileDialogService;
class MessageService;

/// The report of an import that refused rows or ignored parts of its file, which the user
/// can read and save as text.
class ImportReportDialog final : public QDialog {
    Q_OBJECT
public:
    ImportReportDialog(QString report, QString suggestedPath, FileDialogService& files,
                       MessageService& messages, QWidget* parent = nullptr);

    /// Asks for a file and writes the report into it.
    void save();

private:
    QString m_report;
    QString m_suggestedPath;
    FileDialogService& m_files;
    MessageService& m_messages;
};

} // namespace lexmint
