#include "keyboards/KeyboardCatalogue.h"

#include "keyboards/xkb/XkbLayoutIds.h"
#include "keyboards/xkb/XkbRegistry.h"

#include <algorithm>
#include <array>
#include <functional>

#include <QCoreApplication>

namespace lexmint {

namespace {

constexpr std::array<KeyboardEntry, 146> Catalogue{{
    {0x0000, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Language Neutral")},
    {0x0400, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Process Default Language")},
    {0x0401, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Saudi Arabia)")},
    {0x0402, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Bulgarian")},
    {0x0403, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Catalan")},
    {0x0404, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Chinese (Taiwan)")},
    {0x0405, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Czech")},
    {0x0406, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Danish")},
    {0x0407, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "German (Standard)")},
    {0x0408, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Greek")},
    {0x0409, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (United States)")},
    {0x040A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Traditional Sort)")},
    {0x040B, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Finnish")},
    {0x040C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Standard)")},
    {0x040D, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Hebrew")},
    {0x040E, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Hungarian")},
    {0x040F, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Icelandic")},
    {0x0410, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Italian (Standard)")},
    {0x0411, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Japanese")},
    {0x0412, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Korean")},
    {0x0413, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Dutch (Netherlands)")},
    {0x0414, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Norwegian (Bokmal)")},
    {0x0415, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Polish")},
    {0x0416, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Portuguese (Brazil)")},
    {0x0418, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Romanian")},
    {0x0419, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Russian")},
    {0x041A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Croatian")},
    {0x041B, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Slovak")},
    {0x041C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Albanian")},
    {0x041D, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Swedish")},
    {0x041E, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Thai")},
    {0x041F, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Turkish")},
    {0x0420, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Urdu (Pakistan)")},
    {0x0421, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Indonesian")},
    {0x0422, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Ukrainian")},
    {0x0423, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Belarussian")},
    {0x0424, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Slovenian")},
    {0x0425, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Estonian")},
    {0x0426, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Latvian")},
    {0x0427, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Lithuanian")},
    {0x0429, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Farsi")},
    {0x042A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Vietnamese")},
    {0x042B, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Armenian")},
    {0x042C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Azeri (Latin)")},
    {0x042D, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Basque")},
    {0x042F, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Macedonian")},
    {0x0430, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Sutu")},
    {0x0436, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Afrikaans")},
    {0x0437, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Georgian")},
    {0x0438, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Faeroese")},
    {0x0439, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Hindi")},
    {0x043E, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Malay (Malaysian)")},
    {0x043F, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Kazakh")},
    {0x0441, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Swahili (Kenya)")},
    {0x0443, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Uzbek (Latin)")},
    {0x0444, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Tatar (Tatarstan)")},
    {0x0445, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Bengali")},
    {0x0446, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Punjabi")},
    {0x0447, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Gujarati")},
    {0x0448, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Oriya")},
    {0x0449, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Tamil")},
    {0x044A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Telugu")},
    {0x044B, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Kannada")},
    {0x044C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Malayalam")},
    {0x044D, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Assamese")},
    {0x044E, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Marathi")},
    {0x044F, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Sanskrit")},
    {0x0455, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Burmese")},
    {0x0457, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Konkani")},
    {0x0458, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Manipuri")},
    {0x0459, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Sindhi")},
    {0x0801, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Iraq)")},
    {0x0804, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Chinese (PRC)")},
    {0x0807, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "German (Switzerland)")},
    {0x0809, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (United Kingdom)")},
    {0x080A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Mexican)")},
    {0x080C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Belgian)")},
    {0x0810, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Italian (Switzerland)")},
    {0x0812, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Korean (Johab)")},
    {0x0813, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Dutch (Belgium)")},
    {0x0814, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Norwegian (Nynorsk)")},
    {0x0816, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Portuguese (Standard)")},
    {0x081A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Serbian (Latin)")},
    {0x081D, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Swedish (Finland)")},
    {0x0820, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Urdu (India)")},
    {0x0827, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Lithuanian (Classic)")},
    {0x082C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Azeri (Cyrillic)")},
    {0x083E, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Malay (Brunei Darussalam)")},
    {0x0843, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Uzbek (Cyrillic)")},
    {0x0860, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Kashmiri (India)")},
    {0x0861, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Nepali (India)")},
    {0x0C01, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Egypt)")},
    {0x0C04, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Chinese (Hong Kong SAR, PRC)")},
    {0x0C07, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "German (Austria)")},
    {0x0C09, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Australian)")},
    {0x0C0A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Modern Sort)")},
    {0x0C0C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Canadian)")},
    {0x0C1A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Serbian (Cyrillic)")},
    {0x1001, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Libya)")},
    {0x1004, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Chinese (Singapore)")},
    {0x1007, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "German (Luxembourg)")},
    {0x1009, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Canadian)")},
    {0x100A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Guatemala)")},
    {0x100C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Switzerland)")},
    {0x1401, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Algeria)")},
    {0x1404, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Chinese (Macau)")},
    {0x1407, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "German (Liechtenstein)")},
    {0x1409, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (New Zealand)")},
    {0x140A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Costa Rica)")},
    {0x140C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Luxembourg)")},
    {0x1801, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Morocco)")},
    {0x1809, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Ireland)")},
    {0x180A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Panama)")},
    {0x180C, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "French (Monaco)")},
    {0x1C01, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Tunisia)")},
    {0x1C09, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (South Africa)")},
    {0x1C0A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Dominican Republic)")},
    {0x2001, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Oman)")},
    {0x2009, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Jamaica)")},
    {0x200A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Venezuela)")},
    {0x2401, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Yemen)")},
    {0x2409, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Caribbean)")},
    {0x240A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Colombia)")},
    {0x2801, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Syria)")},
    {0x2809, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Belize)")},
    {0x280A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Peru)")},
    {0x2C01, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Jordan)")},
    {0x2C09, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Trinidad)")},
    {0x2C0A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Argentina)")},
    {0x3001, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Lebanon)")},
    {0x3009, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Zimbabwe)")},
    {0x300A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Ecuador)")},
    {0x3401, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Kuwait)")},
    {0x3409, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "English (Philippines)")},
    {0x340A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Chile)")},
    {0x3801, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (UAE)")},
    {0x380A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Uruguay)")},
    {0x3C01, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Bahrain)")},
    {0x3C0A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Paraguay)")},
    {0x4001, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Arabic (Qatar)")},
    {0x400A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Bolivia)")},
    {0x440A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (El Salvador)")},
    {0x480A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Honduras)")},
    {0x4C0A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Nicaragua)")},
    {0x500A, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Spanish (Puerto Rico)")},
    {0x7FFF, QT_TRANSLATE_NOOP("lexmint::KeyboardCatalogue", "Current Desktop Keyboard")},
}};

static_assert(Catalogue.back().language == KeybCurrent);
static_assert(std::ranges::adjacent_find(Catalogue, std::greater_equal{}, &KeyboardEntry::language)
                  == Catalogue.end(),
              "the catalogue must be strictly ascending for the binary search");

/// The XKB layout that types a layout identifier's language.
std::optional<XkbLayout> typingLayout(qint32 layout)
{
    if (layout == KeybCurrent)
        return std::nullopt;
    return xkbLayoutOfLanguage(static_cast<quint16>(layout & 0xFFFF));
}

} // namespace

std::span<const KeyboardEntry> keyboardCatalogue()
{
    return Catalogue;
}

QString keyboardName(qint32 layout)
{
    const auto language = static_cast<quint16>(layout & 0xFFFF);
    const auto* entry = std::ranges::lower_bound(Catalogue, language, {}, &KeyboardEntry::language);
    if (entry != Catalogue.end() && entry->language == language)
        return QCoreApplication::translate("lexmint::KeyboardCatalogue", entry->name);
    return QCoreApplication::translate("lexmint::KeyboardCatalogue", "Unknown");
}

QString keyboardShortName(qint32 layout)
{
    const std::optional<XkbLayout> typing = typingLayout(layout);
    if (!typing)
        return {};
    const QString brief = XkbRegistry::system().brief(*typing);
    return brief.isEmpty() ? typing->code : brief;
}

QString keyboardLanguage(qint32 layout)
{
    const std::optional<XkbLayout> typing = typingLayout(layout);
    return typing ? XkbRegistry::system().language(*typing) : QString();
}

} // namespace lexmint
