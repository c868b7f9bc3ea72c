#pragma once

#include <QCoreApplication>
#include <QLatin1StringView>

#include <array>

namespace lexmint {

/// A sample vocabulary installed in the program folder: its file name there and the name the
/// first-run welcome shows for it.
struct SampleVocabulary {
    QLatin1StringView file;
    QLatin1StringView title;

    /// The title in the user's language.
    QString displayTitle() const
    {
        return QCoreApplication::translate("lexmint::SampleVocabulary", title.data());
    }
};

/// The sample vocabularies, in the order the first-run welcome lists them (data/samples).
constexpr auto sampleVocabularies()
{
    using namespace Qt::StringLiterals;
    return std::to_array<SampleVocabulary>({
#include "shell/SampleRows.h"
    });
}

} // namespace lexmint
