#include "VocabularyFile.h"

#include "platform/HelpContexts.h"
#include "platform/MessageService.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/LinePositions.h"
#include "store/QueryBudget.h"
#include "store/RowWriter.h"
#include "store/ScheduleSchema.h"
#include "store/SearchKeys.h"
#include "store/SqlQuery.h"
#include "store/TableShapes.h"

#include <sqlite3.h>

#include <QCoreApplication>

namespace lexmint::vocabularyfile {

namespace {

struct StoredOption {
    const char* name;
    qint32 VocabInfo::*field;
};

constexpr StoredOption StoredOptions[] = {
    {"UserFlags", &VocabInfo::flags},
    {"UserKeybH", &VocabInfo::keybHead},
    {"UserKeybD", &VocabInfo::keybDef},
};

// The test modes of the template, which every new vocabulary starts with.
constexpr const char* TemplateModes[] = {
    QT_TRANSLATE_NOOP("lexmint::TestModes", "All"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Never Tested"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Last Answer Wrong"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Not Tested for a Week"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Worst Answered"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Random Order"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Due for Review"),
    QT_TRANSLATE_NOOP("lexmint::TestModes", "Due Today"),
};

void reportPropertyError(MessageService& messages)
{
    messages.show({QCoreApplication::translate(
                       "lexmint::VocabularyFile",
                       "Read/write of properties in this vocabulary failed. Properties "
                       "for this vocabulary will not be remembered the next time it "
                       "is opened."),
                   QCoreApplication::translate("lexmint::VocabularyFile", "Property Error"),
                   MessageIcon::Exclamation, MessageButtons::Ok});
}

// Makes the file ready for use: search keys brought up to date, line counts that agree with
// the lines, the tables that record answers and the memory states that follow from them. Each
// step is one transaction, so a failure (a full disk, say) leaves the file as that step found
// it.
bool prepare(Database& db, const AnswerLog::Progress& progress, StoreError* error)
{
    return searchkeys::update(db, error)
        && (LinePositions::checkStoredCounts(db).trusted || RowWriter(db).recountLines(error))
        && scheduleschema::upgrade(db, error) && AnswerLog(db).rebuildStaleStates(progress, error);
}

// The first value a query over a saved query gives, read within a query budget; a query that
// goes past it is left out.
std::optional<QVariant> budgetedScalar(Database& db, const QString& query, const QString& sql,
                                       MessageService& messages)
{
    if (db.isLeftOut(query))
        return std::nullopt;
    const QueryBudget budget(db);
    StoreError error;
    std::optional<QVariant> value =
        SqlQuery::scalar(db, sql.arg(quotedIdentifier(query)), {}, &error);
    if (error.kind == StoreError::Kind::TooSlow)
        leaveOut(db, query, messages);
    return value;
}

void reportLeftOut(MessageService& messages, const QString& mode)
{
    messages.show(
        {QCoreApplication::translate("lexmint::VocabularyFile",
                                     "The test mode \"%1\" takes too long to read and was left out")
             .arg(mode),
         QString(), MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace

QString testModeCaption(const QString& mode)
{
    for (const char* name : TemplateModes) {
        if (mode == QLatin1StringView(name))
            return QCoreApplication::translate("lexmint::TestModes", name);
    }
    return mode;
}

std::optional<VocabularyLayout> recognise(const Database& db, StoreError* error)
{
    const std::optional<QStringList> queries = db.queryNames(error);
    if (!queries)
        return std::nullopt;
    const bool vocabulary = queries->contains(QStringLiteral("Vocabulary"))
        && queries->contains(QStringLiteral("All")) && hasVocabularyTables(db);
    if (!vocabulary) {
        fail(error, StoreError::Kind::NotVocabulary,
             QCoreApplication::translate("lexmint::VocabularyFile", "Not a Lex Mint database."));
        return std::nullopt;
    }
    const std::optional<int> size =
        db.textColumnSize(QStringLiteral("Headwords"), QStringLiteral("Headword"), error);
    if (!size)
        return std::nullopt;

    VocabularyLayout layout;
    layout.headwordSize = static_cast<qint16>(std::clamp(*size, 0, 32767));
    for (const QString& name : *queries) {
        if (name != QLatin1String("Vocabulary") && name != QLatin1String("All"))
            layout.testModes.append(name);
    }
    return layout;
}

std::optional<VocabularyLayout> inspect(const QString& path, VocabInfo& info,
                                        const VocabInfo& defaults, MessageService& messages,
                                        StoreError* error, const AnswerLog::Progress& progress)
{
    Database db;
    if (!db.open(path, error))
        return std::nullopt;
    std::optional<VocabularyLayout> layout = recognise(db, error);
    if (!layout)
        return std::nullopt;
    // The first write into the file comes only after it is known to be safe: what costs
    // nothing is checked now, the whole file once something is about to be written.
    if (!db.isReadOnly()) {
        layout->refusal = filesoundness::checkAtOpen(db);
        db.checkBeforeFirstWrite(filesoundness::damageBeforeFirstWrite);
    }
    const bool hadAnswerTables = scheduleschema::isPresent(db);
    StoreError prepareError;
    if (!layout->refusal && !db.isReadOnly() && !prepare(db, progress, &prepareError)) {
        // A file in use by another program is refused; it can be opened once it is free.
        if (prepareError.number == SQLITE_BUSY) {
            if (error)
                *error = prepareError;
            return std::nullopt;
        }
        layout->refusal = prepareError.number == SQLITE_CORRUPT
            ? WriteRefusal{WriteRefusal::Cause::Damaged, {}, {}}
            : WriteRefusal{WriteRefusal::Cause::Unprepared, {}, prepareError.description};
    }
    // A file that got the tables that record answers has a new test mode.
    if (!hadAnswerTables && scheduleschema::isPresent(db)) {
        if (const std::optional<VocabularyLayout> upgraded = recognise(db))
            layout->testModes = upgraded->testModes;
    }
    info.headwordSize = layout->headwordSize;
    readVocabProperties(db, info, defaults, messages, !layout->refusal);
    // Preparing the file, or storing its missing options, may have been the first write and
    // found the file damaged.
    if (!db.readOnlyReason().isEmpty())
        layout->refusal = {WriteRefusal::Cause::Damaged, {}, {}};
    return layout;
}

void readVocabProperties(Database& db, VocabInfo& info, const VocabInfo& defaults,
                         MessageService& messages, bool mayWrite)
{
    bool failed = false;
    for (const StoredOption& option : StoredOptions) {
        const QString name = QString::fromLatin1(option.name);
        info.*option.field = defaults.*option.field;
        StoreError error;
        if (const auto value = db.property(name, &error)) {
            info.*option.field = *value;
        } else if (error.kind == StoreError::Kind::PropertyMissing) {
            failed |= mayWrite && !db.createProperty(name, defaults.*option.field);
        } else {
            failed = true;
        }
    }
    // A file found damaged on the way is reported as such, not as a property error.
    if (failed && db.readOnlyReason().isEmpty())
        reportPropertyError(messages);
}

bool writeVocabProperties(const VocabInfo& info, MessageService& messages)
{
    Database db;
    if (!info.readOnlyReason.isEmpty() || !db.open(info.path)) {
        reportPropertyError(messages);
        return false;
    }
    db.checkBeforeFirstWrite(filesoundness::damageBeforeFirstWrite);
    return writeVocabProperties(db, info, messages);
}

bool writeVocabProperties(Database& db, const VocabInfo& info, MessageService& messages)
{
    bool written = db.transaction();
    for (const StoredOption& option : StoredOptions) {
        if (!written)
            break;
        const QString name = QString::fromLatin1(option.name);
        StoreError error;
        written = db.setProperty(name, info.*option.field, &error)
            || (error.kind == StoreError::Kind::PropertyMissing
                && db.createProperty(name, info.*option.field));
    }
    if (written)
        written = db.commit();
    else if (db.isOpen())
        db.rollback();
    if (!written)
        reportPropertyError(messages);
    return written;
}

QString getDefinitions(DataSource& definitions, qint64 id, MessageService& messages)
{
    QStringList lines;
    if (Database* db = definitions.database(); db && db->isOpen()) {
        SqlQuery query(*db,
                       QStringLiteral("SELECT Definition FROM Definitions WHERE ID = ? "
                                      "ORDER BY rowid"));
        if (StoreError error; !query.exec({id}, &error)) {
            reportReadError(messages, error);
            return {};
        }
        while (query.next())
            lines.append(query.value(0).toString());
    }
    if (lines.isEmpty())
        reportInconsistency(messages);
    return lines.join(QStringLiteral("\r\n"));
}

bool queryHasRows(Database& db, const QString& query, MessageService& messages)
{
    return budgetedScalar(db, query, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)"), messages)
        .value_or(false)
        .toBool();
}

std::optional<qint64> queryRowCount(Database& db, const QString& query, MessageService& messages)
{
    const std::optional<QVariant> count =
        budgetedScalar(db, query, QStringLiteral("SELECT COUNT(*) FROM %1"), messages);
    if (!count)
        return std::nullopt;
    return count->toLongLong();
}

void leaveOut(Database& db, const QString& mode, MessageService& messages)
{
    if (db.leaveOut(mode))
        reportLeftOut(messages, mode);
}

void reportInconsistency(MessageService& messages)
{
    messages.show({QCoreApplication::translate(
                       "lexmint::VocabularyFile",
                       "Inconsistency in the Lex Mint database encountered!\r"
                       "Exit the application and try compacting the database in "
                       "sqlite3.\rIf the problem persists, contact Lex Mint technical "
                       "support."),
                   QCoreApplication::translate("lexmint::VocabularyFile", "Application Error"),
                   MessageIcon::Critical, MessageButtons::Ok, helpcontext::Inconsistency});
}

void reportReadError(MessageService& messages, const StoreError& error)
{
    messages.show({QCoreApplication::translate("lexmint::VocabularyFile",
                                               "The vocabulary could not be read.\r\n%1")
                       .arg(error.description),
                   QString(), MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace lexmint::vocabularyfile
