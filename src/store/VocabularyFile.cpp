#include "VocabularyFile.h"

#include "platform/MessageService.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/SearchKeys.h"
#include "store/SqlQuery.h"

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

void reportPropertyError(MessageService& messages)
{
    messages.show({QStringLiteral("Read/write of properties in this vocabulary failed. Properties "
                                  "for this vocabulary will not be remembered the next time it "
                                  "is opened."),
                   QString::fromLatin1(PropertyErrorTitle), MessageIcon::Exclamation,
                   MessageButtons::Ok});
}

bool hasColumns(const Database& db, const QString& table, const QStringList& required)
{
    const QStringList columns = db.columnNames(table);
    return std::all_of(required.cbegin(), required.cend(), [&](const QString& column) {
        return columns.contains(column, Qt::CaseInsensitive);
    });
}

} // namespace

std::optional<VocabularyLayout> recognise(const Database& db, StoreError* error)
{
    const std::optional<QStringList> queries = db.queryNames(error);
    if (!queries)
        return std::nullopt;
    const bool vocabulary = queries->contains(QStringLiteral("Vocabulary"))
        && queries->contains(QStringLiteral("All"))
        && hasColumns(db, QStringLiteral("Headwords"),
                      {QStringLiteral("ID"), QStringLiteral("Headword"),
                       QStringLiteral("LastTestedOn"), QStringLiteral("Tested"),
                       QStringLiteral("Correct"), QStringLiteral("LastOK"),
                       QStringLiteral("FoldKey"), QStringLiteral("SortKey"),
                       QStringLiteral("Lines")})
        && hasColumns(db, QStringLiteral("Definitions"),
                      {QStringLiteral("ID"), QStringLiteral("Definition")});
    if (!vocabulary) {
        fail(error, StoreError::Kind::NotVocabulary, QStringLiteral("Not a Lex Mint database."));
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
                                        StoreError* error)
{
    Database db;
    if (!db.open(path, error))
        return std::nullopt;
    std::optional<VocabularyLayout> layout = recognise(db, error);
    if (!layout)
        return std::nullopt;
    if (!db.isReadOnly() && !searchkeys::update(db, error))
        return std::nullopt;
    info.headwordSize = layout->headwordSize;
    readVocabProperties(db, info, defaults, messages);
    return layout;
}

void readVocabProperties(Database& db, VocabInfo& info, const VocabInfo& defaults,
                         MessageService& messages)
{
    bool failed = false;
    for (const StoredOption& option : StoredOptions) {
        const QString name = QString::fromLatin1(option.name);
        info.*option.field = defaults.*option.field;
        StoreError error;
        if (const auto value = db.property(name, &error)) {
            info.*option.field = *value;
        } else if (error.kind == StoreError::Kind::PropertyMissing) {
            failed |= !db.createProperty(name, defaults.*option.field);
        } else {
            failed = true;
        }
    }
    if (failed)
        reportPropertyError(messages);
}

bool writeVocabProperties(const VocabInfo& info, MessageService& messages)
{
    Database db;
    bool written = db.open(info.path) && db.transaction();
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

bool queryHasRows(Database& db, const QString& query)
{
    return SqlQuery::scalar(db,
                            QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)")
                                .arg(quotedIdentifier(query)))
        .value_or(false)
        .toBool();
}

std::optional<qint64> queryRowCount(const Database& db, const QString& query)
{
    const std::optional<QVariant> count = SqlQuery::scalar(
        db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quotedIdentifier(query)));
    if (!count)
        return std::nullopt;
    return count->toLongLong();
}

void reportInconsistency(MessageService& messages)
{
    messages.show({QStringLiteral("Inconsistency in the Lex Mint database encountered!\r"
                                  "Exit the application and try compacting the database in "
                                  "sqlite3.\rIf the problem persists, contact Lex Mint technical "
                                  "support."),
                   QStringLiteral("Application Error"), MessageIcon::Critical, MessageButtons::Ok,
                   57});
}

void reportReadError(MessageService& messages, const StoreError& error)
{
    messages.show({QStringLiteral("The vocabulary could not be read.\r\n") + error.description,
                   QString(), MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace lexmint::vocabularyfile
