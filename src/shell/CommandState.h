#pragma once

namespace lexmint {

/// What the main window shows and allows, derived in one place from what is open.
struct CommandState {
    bool open = false;       ///< a vocabulary is open
    bool hasEntries = false; ///< ... and it holds at least one entry

    static CommandState derive(bool open, bool hasEntries) { return {open, open && hasEntries}; }

    bool propertiesVisible() const { return open; }
    bool entryMenuVisible() const { return open; }
    bool addEnabled() const { return open; }
    bool editEnabled() const { return hasEntries; }
    bool findEnabled() const { return hasEntries; }
    bool refreshVisible() const { return open; }
    bool refreshEnabled() const { return hasEntries; }
    bool testMenuVisible() const { return hasEntries; }
    bool testButtonEnabled() const { return hasEntries; }
    /// Toolbar buttons for entries, tests and properties, and their separators.
    bool vocabularyButtonsVisible() const { return open; }
};

} // namespace lexmint
