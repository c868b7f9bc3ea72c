#pragma once

#include <QString>

namespace lexmint {

/// The folder where the user's own vocabularies go unless they choose another: "Lex Mint" in
/// their documents folder. Copies of the installed samples are made there, and the file
/// dialogs start there while they remember no other folder.
QString userVocabularyFolder();

} // namespace lexmint
