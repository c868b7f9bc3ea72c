#pragma once

#include <QString>
#include <QStringList>

namespace lexmint {

class SettingsStore;

/// The vocabularies used last, most recent first, as the Vocabulary menu lists them.
/// A slot holds an absolute, clean path (see absolutePath()) or is empty; filled slots stay
/// together from the top.
class RecentList {
public:
    /// A list with `size` slots (at least one), all empty.
    explicit RecentList(int size);

    /// Reads the size and the slots from the settings; a path edited into them by hand is made
    /// absolute from the current folder.
    static RecentList load(const SettingsStore& settings);
    /// Writes every slot, empty ones as the empty text.
    void save(SettingsStore& settings) const;

    int size() const { return static_cast<int>(m_paths.size()); }
    /// The path in a slot (1-based), or the empty text.
    QString path(int index) const { return m_paths.value(index - 1); }
    bool isEmpty() const;
    /// The menu caption of a filled slot: "&<index> <title>".
    QString caption(int index) const;

    /// Moves a path to the top; a path already listed (compared as the file system compares
    /// names) moves up from its place, a new one pushes the last slot out when the list is full.
    void add(const QString& path);
    /// Removes a slot; the slots below it move up.
    void remove(int index);

private:
    QStringList m_paths;
};

} // namespace lexmint
