#include "shell/SettingsStore.h"

#include "platform/AppIdentity.h"

#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lexmint {

namespace {

constexpr QStringView groupName = u"Settings";

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// The decimal number at the start of text: blanks skipped, an optional sign, digits with an
/// optional decimal point; reading stops at the first character that cannot continue it.
/// Text without such a number reads as 0. Exponents are not part of a number here.
double leadingNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        negative = text[pos++] == u'-';

    QString digits;
    while (pos < text.size() && isDigit(text[pos]))
        digits += text[pos++];
    QString fraction;
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos]))
            fraction += text[pos++];
    }
    if (digits.isEmpty() && fraction.isEmpty())
        return 0.0;

    bool ok = false;
    const QString plain = (digits.isEmpty() ? QStringLiteral("0") : digits) + u'.'
        + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    const double magnitude = plain.toDouble(&ok);
    // A number too long for a double is beyond every width and must not read as 0.
    if (!ok)
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
}

/// Rounds to the nearest integer; a half goes to the even neighbour.
double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::optional<qint32> numberInRange(QStringView text, qint32 lowest, qint32 highest)
{
    const double rounded = roundHalfToEven(leadingNumber(text));
    if (!(rounded >= lowest && rounded <= highest))
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

/// The user's file in the platform's per-user configuration folder, for example
/// "~/.config/Orvanel Software/Lex Mint.conf". Only this file is consulted: no organisation-wide
/// or system-wide file stands in for a missing key.
QString defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + organizationName() + u'/' + applicationTitle() + QStringLiteral(".conf");
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(const QString& filePath) : m_settings(filePath, QSettings::IniFormat)
{
    // QSettings matches INI keys by exact spelling, so the spelling the file holds is looked up
    // once. Where a file holds a key twice in different case, the first one counts.
    const QStringList keys = m_settings.allKeys();
    for (const QString& path : keys) {
        const qsizetype slash = path.indexOf(u'/');
        if (slash < 0
            || QStringView(path).first(slash).compare(groupName, Qt::CaseInsensitive) != 0)
            continue;
        const QString name = path.sliced(slash + 1).toCaseFolded();
        if (!m_storedKeys.contains(name))
            m_storedKeys.insert(name, path);
    }
}

bool SettingsStore::contains(SettingsKey key) const
{
    return storedKey(settingsKeyInfo(key).name).has_value();
}

QString SettingsStore::text(SettingsKey key) const
{
    const SettingsKeyInfo& info = settingsKeyInfo(key);
    return read(info.name, info.defaultText.toString());
}

qint16 SettingsStore::number16(SettingsKey key) const
{
    Q_ASSERT(settingsKeyInfo(key).value == SettingsValue::Number16);
    return static_cast<qint16>(
        number(key, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint32 SettingsStore::number32(SettingsKey key) const
{
    Q_ASSERT(settingsKeyInfo(key).value == SettingsValue::Number32);
    return number(key, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

bool SettingsStore::isYes(SettingsKey key) const
{
    Q_ASSERT(settingsKeyInfo(key).value == SettingsValue::YesNo);
    return text(key) == u"Yes";
}

QString SettingsStore::recent(int index) const
{
    return read(recentKey(index), QString());
}

void SettingsStore::setText(SettingsKey key, const QString& value)
{
    write(settingsKeyInfo(key).name, value);
}

void SettingsStore::setNumber(SettingsKey key, qint32 value)
{
    Q_ASSERT(settingsKeyInfo(key).value == SettingsValue::Number16
             || settingsKeyInfo(key).value == SettingsValue::Number32);
    setText(key, QString::number(value));
}

void SettingsStore::setYes(SettingsKey key, bool value)
{
    Q_ASSERT(settingsKeyInfo(key).value == SettingsValue::YesNo);
    setText(key, value ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void SettingsStore::setRecent(int index, const QString& path)
{
    write(recentKey(index), path);
}

std::optional<QString> SettingsStore::storedKey(QStringView name) const
{
    const auto found = m_storedKeys.constFind(name.toString().toCaseFolded());
    if (found == m_storedKeys.cend())
        return std::nullopt;
    return *found;
}

QString SettingsStore::read(QStringView name, const QString& fallback) const
{
    const std::optional<QString> key = storedKey(name);
    if (!key)
        return fallback;
    const QVariant value = m_settings.value(*key);
    // An unquoted value with commas comes back from the INI reader as a list; it is still
    // the text the user wrote.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void SettingsStore::write(QStringView name, const QString& value)
{
    std::optional<QString> key = storedKey(name);
    if (!key) {
        key = groupName.toString() + u'/' + name.toString();
        m_storedKeys.insert(name.toString().toCaseFolded(), *key);
    }
    m_settings.setValue(*key, value);
}

qint32 SettingsStore::number(SettingsKey key, qint32 lowest, qint32 highest) const
{
    const SettingsKeyInfo& info = settingsKeyInfo(key);
    lowest = std::max(lowest, info.minimum);
    if (const std::optional<qint32> stored = numberInRange(text(key), lowest, highest))
        return *stored;
    const std::optional<qint32> fallback = numberInRange(info.defaultText, lowest, highest);
    Q_ASSERT(fallback);
    return fallback.value_or(0);
}

} // namespace lexmint
