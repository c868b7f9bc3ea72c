#pragma once

#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace lexmint {

/// What the command line asks for: a form to open at start-up and a vocabulary file.
struct CommandLineRequest {
    bool add = false;                ///< open the entry form for a new entry
    bool test = false;               ///< start a test in mode "All"
    std::optional<QString> file;     ///< vocabulary to open
    bool fileNameUnreadable = false; ///< the file's name was not valid text (shown with U+FFFD)
    bool valid = true;               ///< false: show the usage message and change nothing
};

inline QString commandLineUsage()
{
    return QCoreApplication::translate("lexmint::CommandLine",
                                       "Usage: lexmint [/add | /test] [filename]");
}

/// Reads the arguments as the shell has split them (without the program name): each argument
/// is one word. "/add" or "--add" and "/test" or "--test" (any letter case) are the switches;
/// anything else is the file name, and so is every argument after "--", which ends the
/// switches. Two file names, both switches, or an empty file name make the request invalid.
CommandLineRequest parseArguments(const QStringList& arguments);
/// The same for the arguments as the system passes them, as bytes; a file name that is not
/// valid UTF-8 is marked, since no file can be opened under the text it reads as.
CommandLineRequest parseArguments(const QByteArrayList& arguments);

} // namespace lexmint
