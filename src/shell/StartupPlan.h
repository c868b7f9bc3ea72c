#pragma once

#include "shell/CommandLine.h"

#include <QString>

namespace lexmint {

class SettingsStore;

/// What the program does at start-up, from the settings and the command line.
struct StartupPlan {
    enum class Form { DataSheet = 0, EntryForm = 1, Test = 2 };
    enum class OpenMode { Nothing = 0, LastOpen = 1, Fixed = 2 };

    qint16 openMode = 1;         ///< as stored; values other than the three above open nothing
    qint16 startForm = 0;        ///< as stored, or as the command line asks
    QString path;                ///< the vocabulary to open, empty for none
    bool pathUnreadable = false; ///< the command line's file name was not valid text
    bool showUsage = false;

    /// Reads "StartUpOpen", "StartupDB" and "StartupForm", then applies the command line:
    /// a valid one may change the form and the path (nothing is written back), an invalid one
    /// changes nothing and asks for the usage message.
    static StartupPlan make(const SettingsStore& settings, const CommandLineRequest& request);

    /// Sets the mode from a stored "StartUpOpen" and the start-up path that goes with it.
    void setOpenMode(qint16 stored, const QString& startupPath);

    /// Whether the open vocabulary's path is written back as "StartupDB" at exit.
    bool savesLastOpen() const { return openMode == qint16(OpenMode::LastOpen); }
};

} // namespace lexmint
