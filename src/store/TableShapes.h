#pragma once

namespace lexmint {

class Database;

/// Whether the tables of a file have the shape the program works with: Headwords and
/// Definitions are ordinary tables with row numbers, every column the program reads or writes
/// is there, stored rather than computed, and of a kind its values fit (the entry ID is the
/// row number of Headwords, headwords and definitions are text, counts are numbers).
bool hasVocabularyTables(const Database& db);

} // namespace lexmint
