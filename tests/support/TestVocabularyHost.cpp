#include "support/TestVocabularyHost.h"

namespace lexmint::test {

TestVocabularyHost::TestVocabularyHost(const VocabInfo& vocab) : m_vocab(vocab)
{
    m_sources.attach(m_vocab.path);
}

void TestVocabularyHost::dataRefresh()
{
    ++m_dataRefreshes;
    m_sources.vocabulary().refresh();
}

void TestVocabularyHost::showVocabularyCurrent()
{
    m_shown.append(currentHeadword());
}

QString TestVocabularyHost::currentHeadword()
{
    return m_sources.vocabulary().value(QStringLiteral("Headword")).toString();
}

} // namespace lexmint::test
