// Makes vocabulary files at build time:
//   lexmint-mkvocab template <schema.sql> <out>            creates the template from SQL text
//   lexmint-mkvocab sample <template> <words.txt> <out>    creates a vocabulary from a word list
// A word list holds one entry per line: the headword, then its definition lines, separated by
// tabs; empty lines and lines starting with '#' are skipped. Output appears only when complete.

#include "platform/Clock.h"
#include "store/Database.h"
#include "store/EntryWriter.h"
#include "store/SearchKeys.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <sqlite3.h>

namespace {

using namespace lexmint;

int failWith(const QString& message)
{
    QTextStream(stderr) << "lexmint-mkvocab: " << message << '\n';
    return 1;
}

QString partialName(const QString& out)
{
    return out + QStringLiteral(".partial");
}

bool finish(const QString& out)
{
    QFile::remove(out);
    return QFile::rename(partialName(out), out);
}

int makeTemplate(const QString& schemaPath, const QString& out)
{
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly))
        return failWith(QStringLiteral("cannot read %1").arg(schemaPath));
    const QByteArray sql = schema.readAll();

    const QString partial = partialName(out);
    QFile::remove(partial);
    if (!QFile(partial).open(QIODevice::WriteOnly))
        return failWith(QStringLiteral("cannot create %1").arg(partial));
    {
        Database db;
        StoreError error;
        if (!db.open(partial, &error))
            return failWith(error.description);
        char* message = nullptr;
        if (sqlite3_exec(db.handle(), sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const QString text = QString::fromUtf8(message);
            sqlite3_free(message);
            return failWith(QStringLiteral("%1: %2").arg(schemaPath, text));
        }
        // Vocabularies made from the template start with the key version of this build.
        if (!searchkeys::update(db, &error))
            return failWith(error.description);
    }
    return finish(out) ? 0 : failWith(QStringLiteral("cannot write %1").arg(out));
}

int makeSample(const QString& templatePath, const QString& wordsPath, const QString& out)
{
    QFile words(wordsPath);
    if (!words.open(QIODevice::ReadOnly | QIODevice::Text))
        return failWith(QStringLiteral("cannot read %1").arg(wordsPath));
    const QString partial = partialName(out);
    QFile::remove(partial);
    StoreError error;
    if (!Database::copyDatabase(templatePath, partial, &error))
        return failWith(error.description);
    {
        Database db;
        // A file that is thrown away on any failure needs no waiting for the disk.
        if (!db.open(partial, &error)
            || !SqlQuery(db, QStringLiteral("PRAGMA synchronous = OFF")).exec({}, &error))
            return failWith(error.description);
        SystemClock clock;
        EntryWriter writer(db, clock);
        QTextStream in(&words);
        int lineNumber = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            ++lineNumber;
            if (line.trimmed().isEmpty() || line.startsWith(u'#'))
                continue;
            QStringList fields = line.split(u'\t');
            const QString headword = fields.takeFirst();
            if (!writer.addEntry(headword, fields, &error))
                return failWith(QStringLiteral("%1:%2: %3")
                                    .arg(wordsPath)
                                    .arg(lineNumber)
                                    .arg(error.description));
        }
    }
    return finish(out) ? 0 : failWith(QStringLiteral("cannot write %1").arg(out));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("template"))
        return makeTemplate(args.at(2), args.at(3));
    if (args.size() == 5 && args.at(1) == QLatin1String("sample"))
        return makeSample(args.at(2), args.at(3), args.at(4));
    return failWith(QStringLiteral("usage: lexmint-mkvocab template <schema.sql> <out> | "
                                   "sample <template> <words.txt> <out>"));
}
