#include "shell/SettingsKeys.h"

#include <array>

namespace lexmint {

namespace {

using enum SettingsKey;
using enum SettingsValue;

// Every key with its default, in the order of the enumeration. Window sizes are in twips and
// exceed 16 bits on large screens, so they are 32-bit. "StartUpForm" is spelled as the options
// dialog writes it; start-up reads it as "StartupForm", which is the same key because key names
// are matched without regard to case.
constexpr std::array keyTable{
    SettingsKeyInfo{MainWidth, u"MainWidth", Number32, u"8080"},
    SettingsKeyInfo{MainHeight, u"MainHeight", Number32, u"5860"},
    SettingsKeyInfo{MainWinState, u"MainWinState", Number16, u"0"},
    SettingsKeyInfo{Toolbar, u"Toolbar", YesNo, u"Yes"},
    SettingsKeyInfo{Statusbar, u"Statusbar", YesNo, u"Yes"},
    SettingsKeyInfo{RecentCount, u"RecentCount", Number16, u"4", 1},
    SettingsKeyInfo{StartUpOpen, u"StartUpOpen", Number16, u"1"},
    SettingsKeyInfo{StartupDB, u"StartupDB", Text, u""},
    SettingsKeyInfo{StartupForm, u"StartUpForm", Number16, u"0"},
    SettingsKeyInfo{EntryForm, u"EntryForm", Number16, u"1"},
    SettingsKeyInfo{UserFlags, u"UserFlags", Number32, u"2"},
    SettingsKeyInfo{UserKeybH, u"UserKeybH", Number32, u"32767"},
    SettingsKeyInfo{UserKeybD, u"UserKeybD", Number32, u"32767"},
    SettingsKeyInfo{Details, u"Details", YesNo, u"No"},
};

constexpr bool tableInEnumOrder()
{
    for (std::size_t i = 0; i < keyTable.size(); ++i) {
        if (static_cast<std::size_t>(keyTable[i].key) != i)
            return false;
    }
    return keyTable.size() == static_cast<std::size_t>(Details) + 1;
}
static_assert(tableInEnumOrder(), "every key needs exactly one row, in enumeration order");

} // namespace

const SettingsKeyInfo& settingsKeyInfo(SettingsKey key)
{
    return keyTable[static_cast<std::size_t>(key)];
}

QString recentKey(int index)
{
    return QStringLiteral("Recent") + QString::number(index);
}

} // namespace lexmint
