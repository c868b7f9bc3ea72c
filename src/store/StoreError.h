#pragma once

#include <QString>

namespace lexmint {

/// Why a store operation failed. `number` is the database engine's result code where the
/// engine reported the failure, 0 otherwise.
struct StoreError {
    enum class Kind {
        None,
        Engine,          ///< the database engine refused; number and description say why
        PropertyMissing, ///< a named property does not exist in the file
        NotVocabulary,   ///< the file is a database, but not a vocabulary
        ReadOnly,        ///< the file cannot be written
        InvalidValue,    ///< a value breaks the rules of its column
        RowMissing,      ///< the row to change no longer exists
        TooSlow,         ///< a saved query ran past the time or rows it may take
    };

    Kind kind = Kind::None;
    int number = 0;
    QString description;

    explicit operator bool() const { return kind != Kind::None; }
};

/// Stores an error into an optional out-parameter and returns false, for `return fail(...)`.
inline bool fail(StoreError* out, StoreError::Kind kind, QString description, int number = 0)
{
    if (out)
        *out = StoreError{kind, number, std::move(description)};
    return false;
}

} // namespace lexmint
