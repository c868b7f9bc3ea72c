#include "keyboards/xkb/XkbRegistry.h"

#include <QLocale>

#include <memory>

#include <xkbcommon/xkbregistry.h>

namespace lexmint {

namespace {

struct ContextDeleter {
    void operator()(rxkb_context* context) const { rxkb_context_unref(context); }
};

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// The registry gives ISO 639-3 languages and ISO 3166 countries; input methods expect BCP 47,
// which uses the shorter ISO 639-1 code where there is one. A country is added only where the
// layout is made for one country ("en-GB"), never picked from a list.
QString bcp47Language(rxkb_layout* layout)
{
    rxkb_iso639_code* language = rxkb_layout_get_iso639_first(layout);
    const QLocale::Language code = language
        ? QLocale::codeToLanguage(text(rxkb_iso639_code_get_code(language)))
        : QLocale::AnyLanguage;
    if (code == QLocale::AnyLanguage)
        return {};
    QString tag = QLocale::languageToCode(code, QLocale::ISO639Part1);
    if (tag.isEmpty())
        tag = QLocale::languageToCode(code);
    rxkb_iso3166_code* country = rxkb_layout_get_iso3166_first(layout);
    if (country && !rxkb_iso3166_code_next(country)) {
        const QLocale::Territory territory =
            QLocale::codeToTerritory(text(rxkb_iso3166_code_get_code(country)));
        if (territory != QLocale::AnyTerritory)
            tag += u'-' + QLocale::territoryToCode(territory);
    }
    return tag;
}

} // namespace

XkbRegistry::XkbRegistry()
{
    const std::unique_ptr<rxkb_context, ContextDeleter> context(
        rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!context || !rxkb_context_parse_default_ruleset(context.get()))
        return;
    for (rxkb_layout* layout = rxkb_layout_first(context.get()); layout;
         layout = rxkb_layout_next(layout)) {
        const XkbLayout name{text(rxkb_layout_get_name(layout)),
                             text(rxkb_layout_get_variant(layout))};
        const QString description = text(rxkb_layout_get_description(layout));
        m_details.insert(key(name),
                         {description, text(rxkb_layout_get_brief(layout)), bcp47Language(layout)});
        // Descriptions are unique in the registry; should two ever clash, the first one wins,
        // so that a plain layout is preferred to the variants listed after it.
        if (!description.isEmpty() && !m_byDescription.contains(description))
            m_byDescription.insert(description, name);
    }
}

const XkbRegistry& XkbRegistry::system()
{
    static const XkbRegistry registry;
    return registry;
}

QString XkbRegistry::key(const XkbLayout& layout)
{
    return layout.variant.isEmpty() ? layout.code : layout.code + u'(' + layout.variant + u')';
}

std::optional<XkbLayout> XkbRegistry::layoutDescribedAs(QStringView description) const
{
    const auto found = m_byDescription.constFind(description.toString());
    if (found == m_byDescription.cend())
        return std::nullopt;
    return *found;
}

QString XkbRegistry::description(const XkbLayout& layout) const
{
    return m_details.value(key(layout)).description;
}

QString XkbRegistry::brief(const XkbLayout& layout) const
{
    return m_details.value(key(layout)).brief;
}

QString XkbRegistry::language(const XkbLayout& layout) const
{
    return m_details.value(key(layout)).language;
}

} // namespace lexmint
