#pragma once

#include <QString>
#include <QStringView>

#include <limits>

namespace lexmint {

/// Every key the program keeps in the per-user settings, apart from the numbered "Recent" keys
/// (see recentKey()).
enum class SettingsKey {
    MainWidth,
    MainHeight,
    MainWinState,
    Toolbar,
    Statusbar,
    RecentCount,
    StartUpOpen,
    StartupDB,
    StartupForm,
    EntryForm,
    UserFlags,
    UserKeybH,
    UserKeybD,
    Details,
};

/// How the text stored under a key is meant to be read.
enum class SettingsValue { Text, YesNo, Number16, Number32 };

/// One row of the key table: the key's name as written into a new store, how its text is read,
/// the text a reader gets when the key is absent, and for numbers the lowest accepted value
/// (numbers below it, or outside the value's width, read as the default).
struct SettingsKeyInfo {
    SettingsKey key;
    QStringView name;
    SettingsValue value;
    QStringView defaultText;
    qint32 minimum = std::numeric_limits<qint32>::min();
};

/// The table row of a key.
const SettingsKeyInfo& settingsKeyInfo(SettingsKey key);

/// The name of the recent-vocabulary key with the given 1-based index ("Recent1", ...).
/// These keys hold full paths and read as the empty text when absent.
QString recentKey(int index);

} // namespace lexmint
