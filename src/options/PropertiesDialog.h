#pragma once

#include "options/TabbedDialog.h"
#include "platform/widgets/WindowMessages.h"
#include "progress/ProgressReport.h"

#include <QStringList>

#include <functional>
#include <optional>

class QLabel;
class QTreeWidget;

namespace lexmint {

class KeyboardBackend;
class VocOptions;
struct VocabInfo;

/// The options of the open vocabulary ("frmProperties"), and how many entries each of its test
/// modes selects. The values are loaded once, when the dialog is made; OK stores the options
/// into that vocabulary, also when the main window has opened another one meanwhile.
class PropertiesDialog final : public TabbedDialog {
    Q_OBJECT

public:
    struct Context {
        VocabInfo& current; ///< the open vocabulary
        /// The number of entries a test mode of the open vocabulary selects; nothing when
        /// its query cannot be run.
        std::function<std::optional<qint64>(const QString& mode)> countEntries;
        /// The entries due today and the known ones; nothing when they cannot be counted.
        std::function<std::optional<ScheduleCounts>()> countSchedule;
        /// Stores the options of the vocabulary at their path into its file, reporting a
        /// failure through the messages given.
        std::function<bool(const VocabInfo& options, MessageService& messages)> writeOptions;
        QStringList testModes; ///< as the Test menu offers them, "All" first
        MessageService& messages;
        HelpService& help;
        const KeyboardBackend& keyboards;
    };

    explicit PropertiesDialog(const Context& context, QWidget* parent = nullptr);

    /// Stores the chosen options in the vocabulary's file, and in the open vocabulary's record
    /// when it is still the one the dialog shows, then closes.
    void accept() override;

private:
    QWidget* makeStatistics(const QStringList& testModes);
    void countEntries();
    void fitColumns();

    VocabInfo& m_current;
    WindowMessages m_messages;
    QString m_path;
    QString m_readOnlyReason;
    VocOptions* m_options;
    QTreeWidget* m_testModes = nullptr;
    QLabel* m_dueToday = nullptr;
    QLabel* m_known = nullptr;
    std::function<std::optional<qint64>(const QString&)> m_countEntries;
    std::function<std::optional<ScheduleCounts>()> m_countSchedule;
    std::function<bool(const VocabInfo&, MessageService&)> m_writeOptions;
};

} // namespace lexmint
