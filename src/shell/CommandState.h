#pragma once

namespace lexmint {

/// What the main window shows and allows, derived in one place from what is open.
struct CommandState {
    bool open = false;       ///< a vocabulary is open
    bool hasEntries = false; ///< ... and it holds at least one entry
    bool allReadable = true; ///< ... and its test mode "All" was not left out as too slow

    static CommandState derive(bool open, bool hasEntries, bool allReadable = true)
    {
        return {open, open && hasEntries, allReadable};
    }

    bool propertiesVisible() const { return open; }
    bool entryMenuVisible() const { return open; }
    bool addEnabled() const { return open; }
    bool editEnabled() const { return hasEntries; }
    bool findEnabled() const { return hasEntries; }
    bool refreshVisible() const { return open; }
    bool refreshEnabled() const { return hasEntries; }
    bool testMenuVisible() const { return hasEntries; }
    bool testButtonEnabled() const { return hasEntries && allReadable; }
    /// Toolbar buttons for entries, tests and properties, and their separators.
    bool vocabularyButtonsVisible() const { return open; }
};

} // namespace lexmint
