#include "VocabularySources.h"

#include "store/SearchKeys.h"

namespace lexmint {

VocabularySources::VocabularySources() = default;

VocabularySources::~VocabularySources()
{
    detach();
}

bool VocabularySources::bindAll(Database* db, StoreError* error)
{
    // TestWords is read by the test that uses it: reading a test mode fixes its rows, which
    // would cost a pass over every entry at each opening.
    m_testWords.setDatabase(db);
    bool bound = true;
    for (DataSource* source : {&m_vocabulary, &m_definitions, &m_headwords}) {
        source->setDatabase(db);
        bound = bound && source->refresh(error);
    }
    return bound;
}

bool VocabularySources::attach(const QString& path, StoreError* error,
                               const QString& readOnlyReason)
{
    auto db = std::make_unique<Database>();
    const bool opened = readOnlyReason.isEmpty() ? db->open(path, error)
                                                 : db->openReadOnly(path, error, readOnlyReason);
    if (!opened)
        return false;
    if (db->isReadOnly() && !searchkeys::useCurrentKeysReadOnly(*db, error))
        return false;
    const auto queries = db->queryNames(error);
    if (!queries)
        return false;

    const QString previousMode = m_testWords.recordSource();
    if (!queries->contains(previousMode))
        m_testWords.setRecordSource(QStringLiteral("All"));
    // The previous connection closes only once every source has left it.
    std::unique_ptr<Database> previous = std::exchange(m_db, std::move(db));
    if (bindAll(m_db.get(), error))
        return true;
    m_db = std::move(previous);
    m_testWords.setRecordSource(previousMode);
    bindAll(m_db.get(), nullptr);
    return false;
}

void VocabularySources::setReadErrorHandler(const std::function<void(const StoreError&)>& handler)
{
    for (DataSource* source : {&m_vocabulary, &m_headwords, &m_definitions})
        source->setReadErrorHandler(handler);
}

void VocabularySources::detach()
{
    bindAll(nullptr, nullptr);
    m_db.reset();
}

} // namespace lexmint
