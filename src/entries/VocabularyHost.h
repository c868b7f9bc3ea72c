#pragma once

#include <QString>

namespace lexmint {

class VocabularySources;
struct VocabInfo;

/// What the windows that work on the open vocabulary (entry form, quick find, test) ask of
/// the main window, which owns the vocabulary and the data sheet.
class VocabularyHost {
public:
    virtual ~VocabularyHost() = default;

    /// The open vocabulary's data sources; windows keep no handle of their own on the file.
    virtual VocabularySources& sources() = 0;
    virtual const VocabInfo& currentVocabulary() const = 0;
    /// Re-reads the data sheet after the file changed.
    virtual void dataRefresh() = 0;
    /// Re-derives the main window's commands, entry count and test modes.
    virtual void contextUpdate() = 0;
    /// Shows the current row of the "Vocabulary" source in the data sheet, after a find or a
    /// move of that source.
    virtual void showVocabularyCurrent() = 0;
};

} // namespace lexmint
