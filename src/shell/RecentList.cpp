#include "RecentList.h"

#include "shell/PathTitles.h"
#include "shell/SettingsStore.h"

namespace lexmint {

RecentList::RecentList(int size) : m_paths(std::max(size, 1), QString()) {}

RecentList RecentList::load(const SettingsStore& settings)
{
    RecentList list(settings.number16(SettingsKey::RecentCount));
    for (int i = 1; i <= list.size(); ++i)
        list.m_paths[i - 1] = absolutePath(settings.recent(i));
    return list;
}

void RecentList::save(SettingsStore& settings) const
{
    for (int i = 1; i <= size(); ++i)
        settings.setRecent(i, m_paths.at(i - 1));
}

bool RecentList::isEmpty() const
{
    return std::all_of(m_paths.cbegin(), m_paths.cend(),
                       [](const QString& path) { return path.isEmpty(); });
}

QString RecentList::caption(int index) const
{
    return QStringLiteral("&%1 %2").arg(index).arg(fileTitle(path(index)));
}

void RecentList::add(const QString& path)
{
    const QString kept = absolutePath(path);
    qsizetype found = m_paths.size() - 1;
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (samePath(m_paths.at(i), kept)) {
            found = i;
            break;
        }
    }
    m_paths.removeAt(found);
    m_paths.prepend(kept);
}

void RecentList::remove(int index)
{
    if (index < 1 || index > size())
        return;
    m_paths.removeAt(index - 1);
    m_paths.append(QString());
}

} // namespace lexmint
