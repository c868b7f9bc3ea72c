#include "convert/ConvertCommand.h"

#include "shell/PathTitles.h"
#include "interchange/DelimitedText.h"
#include "interchange/ImportPlan.h"
#include "interchange/TextDecoder.h"
#include "interchange/VocabularyImporter.h"
#include "interchange/VocabularyReader.h"
#include "interchange/WordListWriter.h"
#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "store/Database.h"
#include "store/VocabularyFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

namespace lexmint {

namespace {

const QString ProgramName = QStringLiteral("lexmint-convert");

/// The store's messages, which a terminal cannot answer, written to standard error; every
/// question is answered with its cautious choice.
class StreamMessageService final : public MessageService {
public:
    explicit StreamMessageService(QTextStream& errors) : m_errors(errors) {}

    MessageAnswer show(const Message& message) override
    {
        m_errors << ProgramName << ": " << QString(message.text).replace(u'\r', u' ') << Qt::endl;
        switch (message.buttons) {
        case MessageButtons::OkCancel: return MessageAnswer::Cancel;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::Ok: break;
        }
        return MessageAnswer::Ok;
    }

private:
    QTextStream& m_errors;
};

struct OptionName {
    static inline const QString Headword = QStringLiteral("headword");
    static inline const QString Definitions = QStringLiteral("definitions");
    static inline const QString Split = QStringLiteral("split");
    static inline const QString NoSplit = QStringLiteral("no-split");
    static inline const QString Duplicates = QStringLiteral("duplicates");
    static inline const QString Encoding = QStringLiteral("encoding");
    static inline const QString Separator = QStringLiteral("separator");
    static inline const QString Header = QStringLiteral("header");
    static inline const QString Html = QStringLiteral("html");
    static inline const QString Mode = QStringLiteral("mode");
    static inline const QString Bom = QStringLiteral("bom");
    static inline const QString Title = QStringLiteral("title");
};

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Converts the word list or vocabulary IN into OUT. The extensions tell the formats:\n"
        ".lxm (Lex Mint vocabulary), .csv, .tsv, .txt (flash-card text), .kvtml.\n"
        "An OUT vocabulary that does not exist is made from the template; one that exists\n"
        "gets the entries added. Refused rows are listed on standard error as IN:LINE: reason."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to convert."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("The file to write or add to."));
    parser.addOptions({
        {OptionName::Headword,
         QStringLiteral("The column of the headword, counted from 1 (default: 1). In KVTML files "
                        "the identifiers are the columns."),
         QStringLiteral("column")},
        {OptionName::Definitions,
         QStringLiteral("The columns of the definition lines, such as 2,3 (default: every other "
                        "column; in KVTML files the second)."),
         QStringLiteral("columns")},
        {OptionName::Split,
         QStringLiteral("Split definition fields into lines at this text as well as at line "
                        "breaks (default: \"; \" in KVTML files, nothing elsewhere)."),
         QStringLiteral("text")},
        {OptionName::NoSplit, QStringLiteral("Split definition fields at line breaks only.")},
        {OptionName::Duplicates,
         QStringLiteral("What to do with a headword OUT already has: skip, add or merge "
                        "(default: merge, adding its new definition lines to the entry)."),
         QStringLiteral("rule")},
        {OptionName::Encoding,
         QStringLiteral("The encoding of a text IN, such as windows-1252 (default: UTF-8 or "
                        "UTF-16 by the byte order mark, else UTF-8)."),
         QStringLiteral("name")},
        {OptionName::Separator,
         QStringLiteral("The separator of a text IN and of a CSV OUT: comma, semicolon, tab, "
                        "pipe or one character (default: detected; comma for OUT)."),
         QStringLiteral("separator")},
        {OptionName::Header,
         QStringLiteral("Whether the first row of a CSV or TSV IN holds column titles: yes or no "
                        "(default: recognised)."),
         QStringLiteral("yes|no")},
        {OptionName::Html,
         QStringLiteral("Whether the fields of a flash-card IN are HTML: yes or no (default: as "
                        "its header says)."),
         QStringLiteral("yes|no")},
        {OptionName::Mode,
         QStringLiteral("Convert only the entries of this test mode of an .lxm IN (default: All)."),
         QStringLiteral("name")},
        {OptionName::Bom, QStringLiteral("Start a CSV OUT with a UTF-8 byte order mark.")},
        {OptionName::Title, QStringLiteral("The title of a KVTML OUT (default: the title of IN)."),
         QStringLiteral("text")},
    });
}

std::optional<QList<int>> columnNumbers(const QString& list)
{
    QList<int> columns;
    for (const QString& item : list.split(u',')) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (!ok || number < 1)
            return std::nullopt;
        columns.append(number - 1);
    }
    return columns;
}

std::optional<Choice> yesNo(const QString& value)
{
    if (value == u"yes")
        return Choice::Yes;
    if (value == u"no")
        return Choice::No;
    return std::nullopt;
}

std::optional<DuplicateRule> duplicateRule(const QString& value)
{
    if (value == u"skip")
        return DuplicateRule::Skip;
    if (value == u"add")
        return DuplicateRule::Add;
    if (value == u"merge")
        return DuplicateRule::Merge;
    return std::nullopt;
}

} // namespace

ConvertCommand::ExitStatus ConvertCommand::run(const QStringList& arguments,
                                               const QString& programDir)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        m_output << parser.helpText();
        return Success;
    }
    if (const ExitStatus status = applyOptions(parser); status != Success)
        return status;
    if (!QFileInfo(m_inputPath).isFile())
        return failWith(QStringLiteral("cannot read %1: no such file").arg(m_inputPath));
    if (QFileInfo(m_inputPath) == QFileInfo(m_outputPath))
        return failWith(QStringLiteral("%1 cannot be converted into itself").arg(m_inputPath));
    return m_outputKind == FileKind::Vocabulary ? importIntoVocabulary(programDir)
                                                : writeWordList();
}

ConvertCommand::ExitStatus ConvertCommand::applyOptions(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usageError(QStringLiteral("give the file to convert and the file to write"));
    m_inputPath = files.at(0);
    m_outputPath = files.at(1);
    for (const QString& path : files) {
        if (!fileKindOf(path))
            return usageError(
                QStringLiteral("the extension of %1 names no format (.lxm, .csv, .tsv, "
                               ".txt, .kvtml)")
                    .arg(path));
    }
    m_inputKind = *fileKindOf(m_inputPath);
    m_outputKind = *fileKindOf(m_outputPath);
    m_import.kind = m_inputKind;
    m_export.kind = m_outputKind;

    if (parser.isSet(OptionName::Headword)) {
        const std::optional<QList<int>> column = columnNumbers(parser.value(OptionName::Headword));
        if (!column || column->size() != 1)
            return usageError(QStringLiteral("--headword takes one column number, counted from 1"));
        m_import.headwordColumn = column->constFirst();
    }
    if (parser.isSet(OptionName::Definitions)) {
        m_import.definitionColumns = columnNumbers(parser.value(OptionName::Definitions));
        if (!m_import.definitionColumns)
            return usageError(QStringLiteral("--definitions takes column numbers such as 2,3"));
    }
    if (parser.isSet(OptionName::Split) && parser.isSet(OptionName::NoSplit))
        return usageError(QStringLiteral("--split and --no-split exclude each other"));
    if (parser.isSet(OptionName::Split))
        m_import.splitAt = parser.value(OptionName::Split);
    if (parser.isSet(OptionName::NoSplit))
        m_import.splitAt = QString();
    if (parser.isSet(OptionName::Duplicates)) {
        const std::optional<DuplicateRule> rule =
            duplicateRule(parser.value(OptionName::Duplicates));
        if (!rule)
            return usageError(QStringLiteral("--duplicates is skip, add or merge"));
        m_import.duplicates = *rule;
    }
    if (parser.isSet(OptionName::Encoding)) {
        m_import.encoding = parser.value(OptionName::Encoding);
        if (!textdecoder::isAvailable(m_import.encoding))
            return usageError(
                QStringLiteral("the encoding %1 is not known").arg(m_import.encoding));
    }
    if (parser.isSet(OptionName::Separator)) {
        m_import.separator = delimitedtext::separatorNamed(parser.value(OptionName::Separator));
        if (!m_import.separator)
            return usageError(QStringLiteral("--separator is comma, semicolon, tab, pipe or one "
                                             "character"));
        m_export.separator = *m_import.separator;
    }
    for (const auto& [name, choice] : {std::pair{OptionName::Header, &m_import.header},
                                       std::pair{OptionName::Html, &m_import.html}}) {
        if (!parser.isSet(name))
            continue;
        const std::optional<Choice> value = yesNo(parser.value(name));
        if (!value)
            return usageError(QStringLiteral("--%1 is yes or no").arg(name));
        *choice = *value;
    }
    m_mode =
        parser.isSet(OptionName::Mode) ? parser.value(OptionName::Mode) : QStringLiteral("All");
    m_export.byteOrderMark = parser.isSet(OptionName::Bom);
    m_export.title = parser.isSet(OptionName::Title)
        ? parser.value(OptionName::Title)
        : properTitle(QFileInfo(m_inputPath).completeBaseName());
    return Success;
}

QString ConvertCommand::readVocabulary(QList<VocabularyEntry>& entries) const
{
    Database db;
    StoreError error;
    if (!db.openReadOnly(m_inputPath, &error))
        return QStringLiteral("cannot read %1: %2").arg(m_inputPath, error.description);
    if (!vocabularyfile::recognise(db, &error))
        return QStringLiteral("%1 is not a Lex Mint vocabulary").arg(m_inputPath);
    std::optional<QList<VocabularyEntry>> read = vocabularyreader::read(db, m_mode, &error);
    if (!read)
        return QStringLiteral("cannot read %1: %2").arg(m_inputPath, error.description);
    entries = std::move(*read);
    return {};
}

QString ConvertCommand::readWordList(int headwordSize, ImportPlan& plan) const
{
    QFile file(m_inputPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(m_inputPath, file.errorString());
    plan = planImport(file.readAll(), m_inputPath, m_import, headwordSize);
    if (!plan.ok())
        return plan.errorLine > 0
            ? QStringLiteral("%1:%2: %3").arg(m_inputPath).arg(plan.errorLine).arg(plan.error)
            : QStringLiteral("%1: %2").arg(m_inputPath, plan.error);
    if (plan.htmlFound && !plan.html && m_import.html == Choice::Automatic)
        plan.notes.append(
            QStringLiteral("The fields hold HTML markup; --html yes reads it as HTML."));
    return {};
}

ConvertCommand::ExitStatus ConvertCommand::importIntoVocabulary(const QString& programDir)
{
    const bool created = !QFileInfo::exists(m_outputPath);
    StoreError error;
    if (created
        && !Database::copyDatabase(programDir + QStringLiteral("vocab.mdn"), m_outputPath, &error))
        return failWith(
            QStringLiteral("cannot create %1: %2").arg(m_outputPath, error.description));

    ImportReport report;
    const QString failure = [&]() -> QString {
        StreamMessageService messages(m_errors);
        VocabInfo info;
        const std::optional<VocabularyLayout> layout =
            vocabularyfile::inspect(m_outputPath, info, VocabInfo(), messages, &error);
        if (!layout)
            return error.kind == StoreError::Kind::NotVocabulary
                ? QStringLiteral("%1 is not a Lex Mint vocabulary").arg(m_outputPath)
                : QStringLiteral("cannot open %1: %2").arg(m_outputPath, error.description);
        ImportPlan plan;
        if (m_inputKind == FileKind::Vocabulary) {
            QList<VocabularyEntry> entries;
            if (const QString failed = readVocabulary(entries); !failed.isEmpty())
                return failed;
            plan = planFromEntries(entries, layout->headwordSize);
        } else if (const QString failed = readWordList(layout->headwordSize, plan);
                   !failed.isEmpty()) {
            return failed;
        }
        Database db;
        if (!db.open(m_outputPath, &error))
            return QStringLiteral("cannot write %1: %2").arg(m_outputPath, error.description);
        if (db.isReadOnly())
            return QStringLiteral("cannot write %1: the file is read-only").arg(m_outputPath);
        const SystemClock clock;
        if (VocabularyImporter(db, clock).run(plan, m_import.duplicates, report, {}, &error)
            != VocabularyImporter::Outcome::Done)
            return QStringLiteral("cannot write %1: %2").arg(m_outputPath, error.description);
        return {};
    }();
    if (!failure.isEmpty()) {
        if (created)
            QFile::remove(m_outputPath);
        return failWith(failure);
    }
    reportRefused(report.refused, report.notes);
    m_output << m_outputPath << ": " << report.summary() << '.' << Qt::endl;
    return Success;
}

ConvertCommand::ExitStatus ConvertCommand::writeWordList()
{
    QList<VocabularyEntry> entries;
    if (m_inputKind == FileKind::Vocabulary) {
        if (const QString failed = readVocabulary(entries); !failed.isEmpty())
            return failWith(failed);
    } else {
        ImportPlan plan;
        if (const QString failed = readWordList(0, plan); !failed.isEmpty())
            return failWith(failed);
        reportRefused(plan.refusedRows(), plan.notes);
        entries = plan.acceptedEntries();
    }
    QString error;
    if (!wordlistwriter::writeFile(m_outputPath, entries, m_export, &error))
        return failWith(QStringLiteral("cannot write %1: %2").arg(m_outputPath, error));
    m_output << m_outputPath << ": " << entries.size() << " entries written." << Qt::endl;
    return Success;
}

void ConvertCommand::reportRefused(const QList<RefusedRow>& rows, const QStringList& notes)
{
    for (const RefusedRow& row : rows)
        m_errors << m_inputPath << ':' << row.line << ": " << row.reason << Qt::endl;
    for (const QString& note : notes)
        m_errors << m_inputPath << ": " << note << Qt::endl;
}

ConvertCommand::ExitStatus ConvertCommand::usageError(const QString& reason)
{
    m_errors << ProgramName << ": " << reason << " (see --help)" << Qt::endl;
    return UsageError;
}

ConvertCommand::ExitStatus ConvertCommand::failWith(const QString& reason)
{
    m_errors << ProgramName << ": " << reason << Qt::endl;
    return Failure;
}

} // namespace lexmint
