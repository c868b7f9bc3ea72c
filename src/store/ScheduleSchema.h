#pragma once

#include "store/StoreError.h"

namespace lexmint {

class Database;

/// The tables, columns and queries that record answers and memory states, as the template of
/// new vocabularies defines them. Files made before they existed get them when opened for
/// writing.
namespace scheduleschema {

/// Whether the file holds the answers table and the memory state columns.
bool isPresent(const Database& db);

/// Adds what the file lacks of the answer and memory state schema, taking every definition
/// from the template, in one transaction. A file that already has the answers table and the
/// state columns is left alone, also when someone removed one of its queries or indexes.
bool upgrade(Database& db, StoreError* error = nullptr);

} // namespace scheduleschema
} // namespace lexmint
