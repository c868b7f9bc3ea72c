#pragma once

#include "interchange/ExportSettings.h"
#include "interchange/ImportSettings.h"
#include "interchange/SourceTable.h"
#include "interchange/VocabularyEntry.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

class QCommandLineParser;

namespace lexmint {

struct ImportPlan;
struct ImportReport;

/// The converter's command: converts a word list or vocabulary into another, the formats
/// told by the extensions, with the choices of an import and an export as options. Failures
/// and refused rows go to `errors`, one line each; what was done goes to `output`.
class ConvertCommand {
public:
    enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

    ConvertCommand(QTextStream& output, QTextStream& errors) : m_output(output), m_errors(errors) {}

    /// Runs the command for the program's arguments (the first is the program's name).
    /// New vocabularies are copies of the template in `programDir`.
    ExitStatus run(const QStringList& arguments, const QString& programDir);

private:
    ExitStatus applyOptions(const QCommandLineParser& parser);
    ExitStatus importIntoVocabulary(const QString& programDir);
    ExitStatus writeWordList();
    // Each read returns why it failed; empty when it succeeded.
    QString readVocabulary(QList<VocabularyEntry>& entries) const;
    QString readWordList(int headwordSize, ImportPlan& plan) const;
    void reportRefused(const QList<RefusedRow>& rows, const QStringList& notes);
    ExitStatus usageError(const QString& reason);
    ExitStatus failWith(const QString& reason);

    QTextStream& m_output;
    QTextStream& m_errors;
    QString m_inputPath;
    QString m_outputPath;
    FileKind m_inputKind = FileKind::Csv;
    FileKind m_outputKind = FileKind::Csv;
    ImportSettings m_import;
    ExportSettings m_export;
    QString m_mode;
};

} // namespace lexmint
