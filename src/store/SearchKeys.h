#pragma once

#include "store/StoreError.h"

namespace lexmint {

class Database;

/// Keeps the stored search keys of a vocabulary (fold key and sort key of each headword) in
/// step with the way this build makes them. The file records that way as its key version.
namespace searchkeys {

inline constexpr auto VersionProperty = "KeyVersion";

/// Whether every entry has its keys, made the way this build makes them.
bool areCurrent(const Database& db);

/// Makes the keys of the entries that lack them (added or renamed by another tool), or of
/// every entry when the file's keys were made another way, and records the key version; all
/// in one transaction.
bool update(Database& db, StoreError* error = nullptr);

/// For a file that cannot be written and whose keys are not current: goes on with a copy of
/// the file in memory with fresh keys, which refuses changes as the file does, so that order,
/// quick find and the duplicate check stay right. Where no copy can be made, the file's own
/// keys stay in use. False only when the connection could not be kept from changes.
bool useCurrentKeysReadOnly(Database& db, StoreError* error = nullptr);

} // namespace searchkeys
} // namespace lexmint
