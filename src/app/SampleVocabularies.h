#pragma once

#include <QLatin1StringView>

#include <array>

namespace lexmint {

/// A sample vocabulary installed in the program folder: its file name there and the name the
/// first-run welcome shows for it.
struct SampleVocabulary {
    QLatin1StringView file;
    QLatin1StringView title;
};

/// The sample vocabularies, in the order the first-run welcome lists them.
constexpr std::array<SampleVocabulary, 4> sampleVocabularies()
{
    using namespace Qt::StringLiterals;
    return {{
        {"Spa-Eng.lxm"_L1, "Spanish-English"_L1},
        {"Fre-Eng.lxm"_L1, "French-English"_L1},
        {"Ger-Eng.lxm"_L1, "German-English"_L1},
        {"English.lxm"_L1, "Advanced English"_L1},
    }};
}

} // namespace lexmint
