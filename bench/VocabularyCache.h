#pragma once

#include <QList>
#include <QTemporaryDir>

#include <map>

namespace lexmint::bench {

/// A generated vocabulary of one size, in two copies of the same content.
struct BenchVocabulary {
    int size = 0;
    QString readPath;  ///< never written by the benchmarks, so that every read sees the same file
    QString writePath; ///< the file the write benchmarks change
    QList<qint64> ids; ///< the entries of readPath, in the order they were added
    /// The entries of writePath that the replacing benchmarks pick from; each replaced
    /// entry's place takes the ID of its replacement.
    QList<qint64> replaceableIds;
};

/// The vocabularies of one run, each generated on first use into a temporary folder that
/// goes with the cache. A vocabulary that cannot be generated ends the run.
class VocabularyCache {
public:
    explicit VocabularyCache(QString templatePath);

    BenchVocabulary& vocabulary(int size);

private:
    BenchVocabulary generate(int size) const;

    QString m_templatePath;
    QTemporaryDir m_folder;
    std::map<int, BenchVocabulary> m_vocabularies;
};

} // namespace lexmint::bench
