#pragma once

#include "entries/VocabularyHost.h"
#include "store/VocabInfo.h"
#include "store/VocabularySources.h"

#include <QList>
#include <QStringList>

namespace lexmint::test {

/// A main window reduced to what the entry windows ask of it: the sources of one vocabulary
/// and a record of every call back. Like the real data sheet, dataRefresh() reads the
/// "Vocabulary" source again from its first row.
class TestVocabularyHost final : public VocabularyHost {
public:
    /// Opens the vocabulary at the path of `vocab`, which also gives its options; isAttached()
    /// tells whether it could be opened.
    explicit TestVocabularyHost(const VocabInfo& vocab) : m_vocab(vocab)
    {
        m_sources.attach(m_vocab.path);
    }

    bool isAttached() const { return m_sources.isAttached(); }

    VocabularySources& sources() override { return m_sources; }
    const VocabInfo& currentVocabulary() const override { return m_vocab; }
    void dataRefresh() override
    {
        ++m_dataRefreshes;
        m_sources.vocabulary().refresh();
    }
    void contextUpdate() override { ++m_contextUpdates; }
    void showVocabularyCurrent() override { m_shown.append(currentHeadword()); }

    int dataRefreshes() const { return m_dataRefreshes; }
    int contextUpdates() const { return m_contextUpdates; }
    /// The headword of the "Vocabulary" source's current row at each showVocabularyCurrent().
    const QStringList& shownHeadwords() const { return m_shown; }
    /// The headword of the "Vocabulary" source's current row now; empty when there is none.
    QString currentHeadword()
    {
        return m_sources.vocabulary().value(QStringLiteral("Headword")).toString();
    }

private:
    VocabInfo m_vocab;
    VocabularySources m_sources;
    int m_dataRefreshes = 0;
    int m_contextUpdates = 0;
    QStringList m_shown;
};

} // namespace lexmint::test
