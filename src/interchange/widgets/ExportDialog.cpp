#include "interchange/widgets/ExportDialog.h"

#include "interchange/DelimitedText.h"
#include "store/VocabularyFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace lexmint {

ExportDialog::ExportDialog(FileKind kind, const QStringList& testModes, QWidget* parent)
    : QDialog(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Words"));

    m_mode = new QComboBox;
    m_mode->setObjectName(QStringLiteral("cmbMode"));
    for (const QString& mode : testModes)
        m_mode->addItem(mode == u"All" ? tr("All entries") : vocabularyfile::testModeCaption(mode),
                        mode);
    // Both belong to the dialog, whether or not the kind of file shows them.
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("cmbSeparator"));
    for (const char16_t separator : {u',', u';', u'\t'})
        m_separator->addItem(delimitedtext::separatorCaption(separator), QString(QChar(separator)));
    m_byteOrderMark =
        new QCheckBox(tr("Start with a &byte order mark (for spreadsheet programs)"), this);
    m_byteOrderMark->setObjectName(QStringLiteral("chkByteOrderMark"));
    m_byteOrderMark->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdExport"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("E&ntries:"), m_mode);
    if (kind == FileKind::Csv) {
        form->addRow(tr("&Separator:"), m_separator);
        form->addRow(m_byteOrderMark);
    } else {
        m_separator->hide();
        m_byteOrderMark->hide();
    }
    form->addRow(buttons);
}

QString ExportDialog::testMode() const
{
    return m_mode->currentData().toString();
}

ExportSettings ExportDialog::settings() const
{
    ExportSettings settings;
    settings.kind = m_kind;
    settings.separator = m_separator->currentData().toString().front();
    settings.byteOrderMark = m_kind == FileKind::Csv && m_byteOrderMark->isChecked();
    return settings;
}

} // namespace lexmint
