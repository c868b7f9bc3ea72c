#pragma once

#include "store/DataSource.h"
#include "store/Database.h"

#include <memory>

namespace lexmint {

/// The open vocabulary as the windows work with it: one connection to the file and the four
/// data sources bound to it. "TestWords" keeps the test mode it was last set to and is read
/// when a test refreshes it.
class VocabularySources {
public:
    VocabularySources();
    ~VocabularySources();

    /// Binds all sources to the file and refreshes them. When the file lacks the test mode of
    /// TestWords, TestWords falls back to "All". On failure the previous binding stays.
    /// With a `readOnlyReason` the file is opened for reading only, and every refused write
    /// gives that reason.
    bool attach(const QString& path, StoreError* error = nullptr,
                const QString& readOnlyReason = {});
    void detach();
    bool isAttached() const { return m_db && m_db->isOpen(); }
    /// Where failed reads of the sources the windows browse (Vocabulary, Headwords and
    /// Definitions) go; a test reads TestWords and answers for its own failures.
    void setReadErrorHandler(const std::function<void(const StoreError&)>& handler);

    Database* database() { return m_db.get(); }
    const Database* database() const { return m_db.get(); }
    DataSource& vocabulary() { return m_vocabulary; }
    DataSource& headwords() { return m_headwords; }
    DataSource& definitions() { return m_definitions; }
    DataSource& testWords() { return m_testWords; }

private:
    bool bindAll(Database* db, StoreError* error);

    std::unique_ptr<Database> m_db;
    DataSource m_vocabulary{QStringLiteral("Vocabulary")};
    DataSource m_headwords{QStringLiteral("Headwords")};
    DataSource m_definitions{QStringLiteral("Definitions")};
    DataSource m_testWords{QStringLiteral("All")};
};

} // namespace lexmint
