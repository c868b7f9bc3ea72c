#include "keyboards/xkb/XkbLayoutIds.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <span>

namespace lexmint {

namespace {

struct CodeLanguage {
    QStringView code;
    quint16 language;
};

// Each language's own layout code. Only languages that the catalogue names are listed.
constexpr std::array<CodeLanguage, 67> PrimaryCodes{{
    {u"us", 0x0409}, {u"gb", 0x0809}, {u"au", 0x0C09},    {u"ie", 0x1809}, {u"za", 0x1C09},
    {u"de", 0x0407}, {u"at", 0x0C07}, {u"ch", 0x0807},    {u"fr", 0x040C}, {u"be", 0x080C},
    {u"ca", 0x0C0C}, {u"es", 0x0C0A}, {u"latam", 0x080A}, {u"it", 0x0410}, {u"pt", 0x0816},
    {u"br", 0x0416}, {u"nl", 0x0413}, {u"cz", 0x0405},    {u"sk", 0x041B}, {u"pl", 0x0415},
    {u"hu", 0x040E}, {u"ro", 0x0418}, {u"ru", 0x0419},    {u"ua", 0x0422}, {u"by", 0x0423},
    {u"bg", 0x0402}, {u"gr", 0x0408}, {u"tr", 0x041F},    {u"il", 0x040D}, {u"ara", 0x0401},
    {u"iq", 0x0801}, {u"sy", 0x2801}, {u"ma", 0x1801},    {u"ir", 0x0429}, {u"pk", 0x0420},
    {u"jp", 0x0411}, {u"kr", 0x0412}, {u"cn", 0x0804},    {u"tw", 0x0404}, {u"th", 0x041E},
    {u"vn", 0x042A}, {u"dk", 0x0406}, {u"no", 0x0414},    {u"se", 0x041D}, {u"fi", 0x040B},
    {u"is", 0x040F}, {u"fo", 0x0438}, {u"ee", 0x0425},    {u"lv", 0x0426}, {u"lt", 0x0427},
    {u"si", 0x0424}, {u"hr", 0x041A}, {u"rs", 0x0C1A},    {u"mk", 0x042F}, {u"al", 0x041C},
    {u"am", 0x042B}, {u"ge", 0x0437}, {u"az", 0x042C},    {u"kz", 0x043F}, {u"uz", 0x0843},
    {u"in", 0x0439}, {u"bd", 0x0445}, {u"np", 0x0861},    {u"mm", 0x0455}, {u"id", 0x0421},
    {u"my", 0x043E}, {u"ke", 0x0441},
}};

// Further codes of a language that already has its own layout.
constexpr std::array<CodeLanguage, 2> SecondaryCodes{{
    {u"tz", 0x0441}, // Swahili (Tanzania)
    {u"md", 0x0418}, // Moldavian
}};

// Variants that type another language than their layout, found by the variant's beginning:
// "ch(fr_nodeadkeys)" is French like "ch(fr)".
struct VariantLanguage {
    QStringView code;
    QStringView variantPrefix;
    quint16 language;
};

constexpr std::array<VariantLanguage, 23> Variants{{
    {u"ca", u"eng", 0x1009},   {u"ch", u"fr", 0x100C},       {u"rs", u"latin", 0x081A},
    {u"uz", u"latin", 0x0443}, {u"az", u"cyrillic", 0x082C}, {u"es", u"cat", 0x0403},
    {u"ru", u"tt", 0x0444},    {u"cz", u"rus", 0x0419},      {u"se", u"rus", 0x0419},
    {u"pk", u"snd", 0x0459},   {u"pk", u"ara", 0x0401},      {u"in", u"ben", 0x0445},
    {u"in", u"guj", 0x0447},   {u"in", u"guru", 0x0446},     {u"in", u"jhelum", 0x0446},
    {u"in", u"kan", 0x044B},   {u"in", u"mal", 0x044C},      {u"in", u"ori", 0x0448},
    {u"in", u"tam", 0x0449},   {u"in", u"tel", 0x044A},      {u"in", u"urd", 0x0820},
    {u"in", u"mar", 0x044E},   {u"in", u"san", 0x044F},
}};

// A plain layout's identifier is its language alone: no language may be that of KeybCurrent,
// and none may have two own codes, which would give two layouts one identifier. (Every other
// identifier has high bits.)
constexpr bool primaryCodesAreSound()
{
    for (auto a = PrimaryCodes.begin(); a != PrimaryCodes.end(); ++a) {
        if (a->language == KeybCurrent)
            return false;
        for (auto b = a + 1; b != PrimaryCodes.end(); ++b)
            if (a->language == b->language)
                return false;
    }
    return true;
}
static_assert(primaryCodesAreSound());

const CodeLanguage* findCode(std::span<const CodeLanguage> table, QStringView code)
{
    const auto found = std::ranges::find(table, code, &CodeLanguage::code);
    return found == table.end() ? nullptr : &*found;
}

quint16 languageOf(QStringView layout, QStringView variant)
{
    if (!variant.isEmpty()) {
        for (const VariantLanguage& v : Variants)
            if (v.code == layout && variant.startsWith(v.variantPrefix))
                return v.language;
    }
    if (const auto* primary = findCode(PrimaryCodes, layout))
        return primary->language;
    if (const auto* secondary = findCode(SecondaryCodes, layout))
        return secondary->language;
    return 0x0000;
}

// 15 bits of the FNV-1a hash of "layout(variant)", never 0.
quint16 distinction(QStringView layout, QStringView variant)
{
    QString text = layout.toString();
    if (!variant.isEmpty()) {
        text += u'(';
        text += variant;
        text += u')';
    }
    quint32 hash = 2166136261u;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<quint8>(byte);
        hash *= 16777619u;
    }
    const auto folded = static_cast<quint16>((hash ^ (hash >> 15) ^ (hash >> 30)) & 0x7FFF);
    return folded == 0 ? 1 : folded;
}

} // namespace

KeyboardLayoutId xkbLayoutId(QStringView layout, QStringView variant)
{
    const quint16 language = languageOf(layout, variant);
    if (variant.isEmpty() && findCode(PrimaryCodes, layout))
        return language;
    return static_cast<KeyboardLayoutId>(quint32(distinction(layout, variant)) << 16 | language);
}

std::optional<XkbLayout> xkbLayoutOfLanguage(quint16 language)
{
    if (const auto* primary = std::ranges::find(PrimaryCodes, language, &CodeLanguage::language);
        primary != PrimaryCodes.end())
        return XkbLayout{primary->code.toString(), {}};
    if (const auto* variant = std::ranges::find(Variants, language, &VariantLanguage::language);
        variant != Variants.end())
        return XkbLayout{variant->code.toString(), variant->variantPrefix.toString()};
    return std::nullopt;
}

} // namespace lexmint
