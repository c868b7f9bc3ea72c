#include "interchange/widgets/ImportDialog.h"

#include "interchange/DelimitedText.h"
#include "interchange/TextDecoder.h"
#include "platform/widgets/BusyPointer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lexmint {

namespace {

constexpr int PreviewRows = 200;
// A preview cell shows the start of a text that is too long to store anyway.
constexpr int PreviewCharacters = 120;

enum PreviewColumn { LineColumn, HeadwordColumn, DefinitionsColumn, RefusalColumn };

QString previewText(const QString& text)
{
    return text.size() > PreviewCharacters ? text.left(PreviewCharacters) + QChar(0x2026) : text;
}

void selectData(QComboBox* combo, const QVariant& value)
{
    combo->setCurrentIndex(std::max(combo->findData(value), 0));
}

} // namespace

ImportDialog::ImportDialog(const QString& fileName, QByteArray bytes, int headwordSize,
                           QWidget* parent)
    : QDialog(parent), m_fileName(fileName), m_bytes(std::move(bytes)), m_headwordSize(headwordSize)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import Words - %1").arg(QFileInfo(fileName).fileName()));

    m_preview = new QTableWidget(0, 4);
    m_preview->setObjectName(QStringLiteral("grdPreview"));
    m_preview->setHorizontalHeaderLabels(
        {tr("Line"), tr("Headword"), tr("Definition lines"), tr("Refused because")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->hide();
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeReadingControls());
    layout->addWidget(makeMappingControls());
    layout->addWidget(makeDuplicateControls());
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(760, 620);

    connectControls();
    replan();
}

QWidget* ImportDialog::makeReadingControls()
{
    auto* box = new QGroupBox(tr("File"));
    m_format = new QComboBox;
    m_format->setObjectName(QStringLiteral("cmbFormat"));
    m_format->addItem(tr("CSV text"), int(FileKind::Csv));
    m_format->addItem(tr("Tab-separated text"), int(FileKind::Tsv));
    m_format->addItem(tr("Flash-card text"), int(FileKind::FlashCard));
    m_format->addItem(tr("KVTML"), int(FileKind::Kvtml));
    m_encoding = new QComboBox;
    m_encoding->setObjectName(QStringLiteral("cmbEncoding"));
    m_encoding->addItem(tr("Automatic"), QString());
    for (const QString& encoding : textdecoder::offeredEncodings())
        m_encoding->addItem(encoding, encoding);
    m_separator = new QComboBox;
    m_separator->setObjectName(QStringLiteral("cmbSeparator"));
    m_separator->addItem(tr("Automatic"), QString());
    for (const char16_t separator : {u',', u';', u'\t', u'|'})
        m_separator->addItem(delimitedtext::separatorCaption(separator), QString(QChar(separator)));
    m_header = new QCheckBox(tr("The first row holds column &titles"));
    m_header->setObjectName(QStringLiteral("chkHeader"));
    m_html = new QCheckBox(tr("The fields are &HTML"));
    m_html->setObjectName(QStringLiteral("chkHtml"));

    auto* form = new QFormLayout(box);
    form->addRow(tr("&Format:"), m_format);
    form->addRow(tr("&Encoding:"), m_encoding);
    form->addRow(tr("&Separator:"), m_separator);
    form->addRow(m_header);
    form->addRow(m_html);
    return box;
}

QWidget* ImportDialog::makeMappingControls()
{
    auto* box = new QGroupBox(tr("Columns"));
    m_headword = new QComboBox;
    m_headword->setObjectName(QStringLiteral("cmbHeadword"));
    m_definitions = new QListWidget;
    m_definitions->setObjectName(QStringLiteral("lstDefinitions"));
    m_definitions->setMaximumHeight(90);
    m_split = new QComboBox;
    m_split->setObjectName(QStringLiteral("cmbSplit"));
    m_split->addItem(tr("Line breaks only"), QString());
    m_split->addItem(tr("Line breaks and \"; \""), QStringLiteral("; "));
    m_split->addItem(tr("Line breaks and \", \""), QStringLiteral(", "));
    m_split->addItem(tr("Line breaks and \"/\""), QStringLiteral("/"));

    auto* form = new QFormLayout(box);
    form->addRow(tr("Head&word:"), m_headword);
    form->addRow(tr("&Definition lines:"), m_definitions);
    form->addRow(tr("S&plit definitions at:"), m_split);
    return box;
}

QWidget* ImportDialog::makeDuplicateControls()
{
    auto* box = new QGroupBox(tr("A headword already in the vocabulary"));
    m_duplicates = new QButtonGroup(this);
    auto* layout = new QHBoxLayout(box);
    const struct {
        const char* name;
        QString text;
        DuplicateRule rule;
    } choices[] = {
        {"optMerge", tr("&Merge: add its new definition lines"), DuplicateRule::Merge},
        {"optSkip", tr("S&kip the row"), DuplicateRule::Skip},
        {"optAdd", tr("&Add another entry"), DuplicateRule::Add},
    };
    for (const auto& choice : choices) {
        auto* button = new QRadioButton(choice.text);
        button->setObjectName(QLatin1String(choice.name));
        button->setChecked(choice.rule == m_settings.duplicates);
        m_duplicates->addButton(button, int(choice.rule));
        layout->addWidget(button);
    }
    return box;
}

void ImportDialog::connectControls()
{
    connect(m_format, &QComboBox::currentIndexChanged, this, &ImportDialog::formatChosen);
    connect(m_encoding, &QComboBox::currentIndexChanged, this, [this] {
        m_settings.encoding = m_encoding->currentData().toString();
        replan();
    });
    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] {
        const QString separator = m_separator->currentData().toString();
        m_settings.separator =
            separator.isEmpty() ? std::nullopt : std::optional<QChar>(separator.front());
        replan();
    });
    connect(m_header, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.header = on ? Choice::Yes : Choice::No;
        replan();
    });
    connect(m_html, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.html = on ? Choice::Yes : Choice::No;
        replan();
    });
    connect(m_headword, &QComboBox::currentIndexChanged, this, [this](int column) {
        m_settings.headwordColumn = column;
        replan();
    });
    connect(m_definitions, &QListWidget::itemChanged, this, &ImportDialog::definitionsChosen);
    connect(m_split, &QComboBox::currentIndexChanged, this, [this] {
        m_settings.splitAt = m_split->currentData().toString();
        replan();
    });
    connect(m_duplicates, &QButtonGroup::idClicked, this,
            [this](int rule) { m_settings.duplicates = DuplicateRule(rule); });
}

void ImportDialog::formatChosen()
{
    // What suits one format means nothing in another: everything but the encoding is found anew.
    const QString encoding = m_settings.encoding;
    const DuplicateRule duplicates = m_settings.duplicates;
    m_settings = ImportSettings();
    m_settings.kind = FileKind(m_format->currentData().toInt());
    m_settings.encoding = encoding;
    m_settings.duplicates = duplicates;
    replan();
}

void ImportDialog::definitionsChosen()
{
    QList<int> columns;
    for (int row = 0; row < m_definitions->count(); ++row) {
        if (m_definitions->item(row)->checkState() == Qt::Checked)
            columns.append(row);
    }
    // Without any definition column no row could be imported; the last one stays.
    if (!columns.isEmpty())
        m_settings.definitionColumns = columns;
    replan();
}

void ImportDialog::replan()
{
    {
        const BusyPointer busy;
        m_plan = planImport(m_bytes, m_fileName, m_settings, m_headwordSize);
    }
    showPlan();
}

void ImportDialog::showPlan()
{
    // The controls show the plan; only the user's changes make a new one.
    const QSignalBlocker blockers[] = {QSignalBlocker(m_format),      QSignalBlocker(m_encoding),
                                       QSignalBlocker(m_separator),   QSignalBlocker(m_header),
                                       QSignalBlocker(m_html),        QSignalBlocker(m_headword),
                                       QSignalBlocker(m_definitions), QSignalBlocker(m_split)};
    const bool text = m_plan.kind != FileKind::Kvtml;
    selectData(m_format, int(m_plan.kind));
    m_encoding->setItemText(0,
                            text && !m_plan.encoding.isEmpty()
                                ? tr("Automatic (%1)").arg(m_plan.encoding)
                                : tr("Automatic"));
    selectData(m_encoding, m_settings.encoding);
    m_encoding->setEnabled(text);
    m_separator->setItemText(
        0,
        text && !m_plan.separator.isNull()
            ? tr("Automatic (%1)").arg(delimitedtext::separatorCaption(m_plan.separator))
            : tr("Automatic"));
    selectData(m_separator, m_settings.separator ? QString(*m_settings.separator) : QString());
    m_separator->setEnabled(text);
    m_header->setChecked(m_plan.header);
    m_header->setEnabled(m_plan.kind == FileKind::Csv || m_plan.kind == FileKind::Tsv);
    m_html->setChecked(m_plan.html);
    m_html->setEnabled(m_plan.kind == FileKind::FlashCard);
    showMapping();
    showPreview();
    showSummary();
}

void ImportDialog::showMapping()
{
    m_headword->clear();
    m_headword->addItems(m_plan.columns);
    m_headword->setCurrentIndex(m_plan.mapping.headwordColumn);

    m_definitions->clear();
    for (int column = 0; column < m_plan.columns.size(); ++column) {
        auto* item = new QListWidgetItem(m_plan.columns.at(column), m_definitions);
        const bool chosen = m_plan.mapping.definitionColumns.isEmpty()
            ? column != m_plan.mapping.headwordColumn
            : m_plan.mapping.definitionColumns.contains(column);
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
    selectData(m_split, m_plan.mapping.splitAt);
}

void ImportDialog::showPreview()
{
    const qsizetype rows = std::min<qsizetype>(m_plan.entries.size(), PreviewRows);
    m_preview->setRowCount(int(rows));
    for (int row = 0; row < rows; ++row) {
        const ImportedEntry& entry = m_plan.entries.at(row);
        const QStringList cells{QString::number(entry.line), previewText(entry.headword),
                                entry.accepted() ? entry.lines.join(u'\n') : QString(),
                                entry.refusal};
        for (int column = 0; column < cells.size(); ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_preview->resizeColumnsToContents();
    m_preview->resizeRowsToContents();
}

void ImportDialog::showSummary()
{
    if (!m_plan.ok()) {
        m_summary->setText(m_plan.error);
        m_import->setEnabled(false);
        return;
    }
    const qsizetype accepted = m_plan.acceptedCount();
    QString text =
        tr("Rows: %1 to import, %2 refused.").arg(accepted).arg(m_plan.refusedRows().size());
    if (m_plan.htmlFound && !m_plan.html && m_html->isEnabled())
        text += u' '
            + tr("The fields hold HTML markup; tick \"The fields are HTML\" to read it as HTML.");
    for (const QString& note : std::as_const(m_plan.notes))
        text += u' ' + note;
    m_summary->setText(text);
    m_import->setEnabled(accepted > 0);
}

} // namespace lexmint
