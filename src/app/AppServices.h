#pragma once

#include <QString>

namespace lexmint {

class BrowserService;
class Clock;
class FileDialogService;
class HelpService;
class KeyboardSwitcher;
class MessageService;
class SettingsStore;
class SoundService;

/// The platform services and per-user state the windows work with, handed to them by whoever
/// starts the program: the real ones in the program, test doubles in tests.
struct AppServices {
    MessageService& messages;
    FileDialogService& files;
    HelpService& help;
    BrowserService& browser;
    KeyboardSwitcher& keyboards;
    SettingsStore& settings;
    SoundService& sound;
    const Clock& clock;
    /// The folder with the template, the samples and the help, ending in "/"; may be empty.
    QString programDir;
    /// The folder for the user's own vocabularies (see userVocabularyFolder()).
    QString userFolder;
};

} // namespace lexmint
