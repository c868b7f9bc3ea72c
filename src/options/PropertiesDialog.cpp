#include "options/PropertiesDialog.h"

#include "shell/PathTitles.h"
#include "options/VocOptions.h"
#include "platform/widgets/Twips.h"
#include "store/VocabularyFile.h"
#include "platform/HelpContexts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

/// Shown instead of a count when a test mode's query cannot be run.
const QString NoCount = u"\u2014"_s;

} // namespace

PropertiesDialog::PropertiesDialog(const Context& context, QWidget* parent)
    : TabbedDialog({4668, 3588}, {4464, 2904}, context.help, parent),
      m_current(context.current),
      m_messages(context.messages, this),
      m_path(context.current.path),
      m_readOnlyReason(context.current.readOnlyReason),
      m_countEntries(context.countEntries),
      m_countSchedule(context.countSchedule),
      m_writeOptions(context.writeOptions)
{
    setObjectName(u"frmProperties"_s);
    setWindowTitle(tr("Properties of %1").arg(fileTitle(m_current.path)));

    QWidget* optionsPage =
        addPage(tr("Options"), u"options"_s, tr("Options for the open vocabulary"),
                helpcontext::PropertiesOptions);
    m_options = new VocOptions(context.keyboards, context.help, optionsPage);
    m_options->setObjectName(u"VocOpts"_s);
    m_options->setMinimumSize(twipsToPixelsX(4106, this), twipsToPixelsY(1860, this));
    m_options->setFlags(m_current.flags);
    m_options->setKeybHead(m_current.keybHead);
    m_options->setKeybDef(m_current.keybDef);
    auto* options = new QVBoxLayout(optionsPage);
    options->setContentsMargins(twipsToPixelsX(48, this), twipsToPixelsY(156, this), 0, 0);
    options->addWidget(m_options, 0, Qt::AlignLeft | Qt::AlignTop);

    QWidget* statisticsPage = addPage(tr("Statistics"), u"statistics"_s,
                                      tr("Statistical information for the open vocabulary"),
                                      helpcontext::PropertiesStatistics);
    auto* statistics = new QVBoxLayout(statisticsPage);
    statistics->setContentsMargins(twipsToPixelsX(48, this), twipsToPixelsY(156, this), 0, 0);
    statistics->addWidget(makeStatistics(context.testModes), 0, Qt::AlignLeft | Qt::AlignTop);
    // Counting reads every entry for some modes, so it waits until the counts are looked at.
    connect(tabs(), &QTabWidget::currentChanged, this, [this, statisticsPage](int index) {
        if (tabs()->widget(index) == statisticsPage)
            countEntries();
    });
}

QWidget* PropertiesDialog::makeStatistics(const QStringList& testModes)
{
    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    auto* frame = new QGroupBox(tr("Record Counts"));
    frame->setObjectName(u"Frame1"_s);
    frame->setMinimumSize(x(4106), y(2196));

    auto* list = m_testModes = new QTreeWidget(frame);
    list->setObjectName(u"TestModes"_s);
    list->setMinimumSize(x(3732), y(1596));
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnCount(2);
    list->setHeaderLabels({tr("Mode"), tr("Records")});
    list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);

    for (const QString& mode : testModes)
        (new QTreeWidgetItem(m_testModes, {vocabularyfile::testModeCaption(mode)}))
            ->setData(0, Qt::UserRole, mode);
    fitColumns();

    // How many entries the review schedule has for today, and how many it counts as known.
    m_dueToday = new QLabel(frame);
    m_dueToday->setObjectName(u"lblDueToday"_s);
    m_known = new QLabel(frame);
    m_known->setObjectName(u"lblKnown"_s);
    auto* schedule = new QFormLayout;
    schedule->addRow(tr("Due today:"), m_dueToday);
    schedule->addRow(tr("Known:"), m_known);

    auto* layout = new QVBoxLayout(frame);
    // The list stands 168 twips in from the frame's left edge, below the frame's caption.
    layout->setContentsMargins(x(168), y(120), x(206), y(264));
    layout->addWidget(list);
    layout->addLayout(schedule);
    return frame;
}

void PropertiesDialog::countEntries()
{
    if (!m_countEntries)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // Once another vocabulary is open, there is nothing left to count for this one.
    const bool stillOpen = m_current.path == m_path;
    for (int row = 0; row < m_testModes->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_testModes->topLevelItem(row);
        const std::optional<qint64> count =
            stillOpen ? m_countEntries(item->data(0, Qt::UserRole).toString()) : std::nullopt;
        item->setText(1, count ? QString::number(*count) : NoCount);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_countEntries = nullptr;
    const std::optional<ScheduleCounts> schedule =
        stillOpen && m_countSchedule ? m_countSchedule() : std::nullopt;
    m_dueToday->setText(schedule ? QString::number(schedule->dueToday) : NoCount);
    m_known->setText(schedule ? QString::number(schedule->known) : NoCount);
    fitColumns();
    QGuiApplication::restoreOverrideCursor();
}

void PropertiesDialog::fitColumns()
{
    // The designed widths, or what the texts need when that is more.
    const int designed[] = {twipsToPixelsX(1000, this), twipsToPixelsX(600, this)};
    for (int column = 0; column < 2; ++column) {
        m_testModes->resizeColumnToContents(column);
        m_testModes->setColumnWidth(column,
                                    std::max(designed[column], m_testModes->columnWidth(column)));
    }
}

void PropertiesDialog::accept()
{
    // The options are those of the vocabulary the dialog was opened for. Should another one be
    // open by now, or none, they still go into that vocabulary's file and nowhere else.
    VocabInfo edited;
    edited.path = m_path;
    edited.readOnlyReason = m_readOnlyReason;
    edited.flags = m_options->flags();
    edited.keybHead = m_options->keybHead();
    edited.keybDef = m_options->keybDef();
    if (m_current.path == m_path) {
        m_current.flags = edited.flags;
        m_current.keybHead = edited.keybHead;
        m_current.keybDef = edited.keybDef;
    }
    m_writeOptions(edited, m_messages);
    TabbedDialog::accept();
}

} // namespace lexmint
