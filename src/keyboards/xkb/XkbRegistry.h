#pragma once

#include "keyboards/xkb/XkbLayout.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

namespace lexmint {

/// What the system's XKB layout registry (the xkeyboard-config rules) says about each layout:
/// its description ("Czech (QWERTY)", the name desktops show), its short name ("cs", the one
/// desktops show in panels) and the language it types.
class XkbRegistry {
public:
    /// The registry of this system, read once on first use. Empty when it cannot be read.
    static const XkbRegistry& system();

    /// The layout with this description; nothing when no layout has it.
    std::optional<XkbLayout> layoutDescribedAs(QStringView description) const;
    /// The layout's description; empty when the registry does not know the layout.
    QString description(const XkbLayout& layout) const;
    /// The layout's short name; empty when the registry does not know the layout.
    QString brief(const XkbLayout& layout) const;
    /// The language the layout types, as a BCP 47 tag ("cs", "en-GB"); empty when the
    /// registry names none.
    QString language(const XkbLayout& layout) const;

private:
    XkbRegistry();

    struct Details {
        QString description;
        QString brief;
        QString language;
    };
    static QString key(const XkbLayout& layout);

    QHash<QString, Details> m_details;
    QHash<QString, XkbLayout> m_byDescription;
};

} // namespace lexmint
