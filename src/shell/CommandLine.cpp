#include "CommandLine.h"

namespace lexmint {

namespace {

// Checks what no command line may ask for: both switches, or an empty file name.
CommandLineRequest validated(CommandLineRequest request)
{
    if ((request.add && request.test) || (request.file && request.file->isEmpty()))
        request.valid = false;
    return request;
}

bool isSwitch(const QString& argument, QLatin1String name)
{
    return argument.compare(QLatin1Char('/') + name, Qt::CaseInsensitive) == 0
        || argument.compare(QLatin1String("--") + name, Qt::CaseInsensitive) == 0;
}

// `unreadable` holds the positions of the arguments that were not valid text.
CommandLineRequest parse(const QStringList& arguments, const QList<qsizetype>& unreadable)
{
    CommandLineRequest request;
    bool switchesEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!switchesEnded && argument == QLatin1String("--")) {
            switchesEnded = true;
        } else if (!switchesEnded && isSwitch(argument, QLatin1String("add"))) {
            request.add = true;
        } else if (!switchesEnded && isSwitch(argument, QLatin1String("test"))) {
            request.test = true;
        } else if (request.file) {
            request.valid = false;
        } else {
            request.file = argument;
            request.fileNameUnreadable = unreadable.contains(i);
        }
    }
    return request.valid ? validated(request) : request;
}

} // namespace

CommandLineRequest parseArguments(const QStringList& arguments)
{
    return parse(arguments, {});
}

CommandLineRequest parseArguments(const QByteArrayList& arguments)
{
    QStringList decoded;
    QList<qsizetype> unreadable;
    for (const QByteArray& argument : arguments) {
        QString text = QString::fromLocal8Bit(argument);
        if (text.toLocal8Bit() != argument)
            unreadable.append(decoded.size());
        decoded.append(std::move(text));
    }
    return parse(decoded, unreadable);
}

} // namespace lexmint
