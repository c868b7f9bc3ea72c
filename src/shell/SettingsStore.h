#pragma once

#include "shell/SettingsKeys.h"

#include <QHash>
#include <QSettings>
#include <QString>

#include <optional>

namespace lexmint {

/// The per-user preferences: text values in the one section "Settings" of an INI file.
///
/// Key names are matched without regard to case, and a value is written back under the spelling
/// the file already holds. Numbers are read as the leading decimal number of the stored text,
/// rounded half to even; a number outside its key's range reads as the key's default.
/// "Yes" is the only text that reads as yes.
class SettingsStore {
public:
    /// The current user's store at the platform's usual place for per-user configuration.
    SettingsStore();
    /// A store kept in the given INI file.
    explicit SettingsStore(const QString& filePath);

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool contains(SettingsKey key) const;

    /// The stored text, or the key's default when the key is absent.
    QString text(SettingsKey key) const;
    qint16 number16(SettingsKey key) const;
    qint32 number32(SettingsKey key) const;
    bool isYes(SettingsKey key) const;
    /// The path stored under "Recent<index>", or the empty text.
    QString recent(int index) const;

    void setText(SettingsKey key, const QString& value);
    void setNumber(SettingsKey key, qint32 value);
    void setYes(SettingsKey key, bool value);
    void setRecent(int index, const QString& path);

private:
    std::optional<QString> storedKey(QStringView name) const;
    QString read(QStringView name, const QString& fallback) const;
    void write(QStringView name, const QString& value);
    qint32 number(SettingsKey key, qint32 lowest, qint32 highest) const;

    QSettings m_settings;
    /// The keys of the section as the file spells them, by their case-folded names, so that
    /// finding a key takes the same time however many keys the file holds.
    QHash<QString, QString> m_storedKeys;
};

} // namespace lexmint
