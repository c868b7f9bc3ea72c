#include "TextKeys.h"

#include "store/EntryRules.h"

#include <QVarLengthArray>

#include <unicode/normalizer2.h>
#include <unicode/ucol.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>
#include <unicode/usetiter.h>

namespace lexmint::textkeys {

namespace {

// Goes up whenever the keys are made in a new way, so that files keyed before are keyed again.
constexpr qint32 KeyScheme = 1;

// A collation key is a string of bytes. It is stored six bits to a digit, the digits being
// consecutive ASCII characters from '0' up, so that the stored text's code-point order is the
// order of the bytes.
constexpr char16_t FirstDigit = u'0';
constexpr int DigitBits = 6;
constexpr quint32 DigitMask = (1u << DigitBits) - 1;

// Ends each level of a collation key: base letters, then accents, then case.
constexpr uint8_t LevelSeparator = 0x01;

constexpr qsizetype KeyReserve = 128;
using CollationKey = QVarLengthArray<uint8_t, KeyReserve>;

[[noreturn]] void unicodeDataMissing(UErrorCode status)
{
    qFatal("The Unicode data of the system cannot be used: %s", u_errorName(status));
}

icu::UnicodeString toIcu(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.constData()), static_cast<int32_t>(text.size())};
}

// Keys are made from the start of a text only. No headword is longer, and a text from
// elsewhere that is (megabytes, say) must not take long to key or make a key of its size.
constexpr qsizetype MaxKeyedLength = 1024;

icu::UnicodeString keyedPart(const QString& text)
{
    return toIcu(entryrules::firstCharacters(text, MaxKeyedLength));
}

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::UnicodeString folded(const QString& text, CaseRules rules)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* composed = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        unicodeDataMissing(status);
    icu::UnicodeString result = composed->normalize(keyedPart(text), status);
    result.foldCase(rules == CaseRules::Turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I
                                               : U_FOLD_CASE_DEFAULT);
    result = composed->normalize(result, status);
    if (U_FAILURE(status))
        unicodeDataMissing(status);
    return result;
}

// The root collation of the Unicode collation rules, and what follows from it, made once.
class Collation {
public:
    Collation()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_collator = ucol_open("", &status);
        // Texts that are equal after normalization get equal keys, whatever form they come in.
        ucol_setAttribute(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        icu::UnicodeSet contractions;
        ucol_getContractionsAndExpansions(m_collator, contractions.toUSet(), nullptr, false,
                                          &status);
        if (U_FAILURE(status))
            unicodeDataMissing(status);
        for (icu::UnicodeSetIterator it(contractions); it.next();) {
            if (!it.isString())
                continue;
            const icu::UnicodeString& sequence = it.getString();
            const int32_t last = sequence.moveIndex32(sequence.length(), -1);
            for (int32_t i = 0; i < last; i = sequence.moveIndex32(i, 1))
                m_contractionStarts.add(sequence.char32At(i));
        }
        m_contractionStarts.freeze();
        UVersionInfo version;
        ucol_getVersion(m_collator, version);
        // The root collation has no tailoring, so the format and the rules' version say all.
        m_keyVersion = (KeyScheme << 16) | (version[0] << 8) | version[1];
    }
    ~Collation() { ucol_close(m_collator); }
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;

    CollationKey key(const icu::UnicodeString& text) const
    {
        CollationKey key(KeyReserve);
        int32_t length = ucol_getSortKey(m_collator, text.getBuffer(), text.length(), key.data(),
                                         static_cast<int32_t>(key.size()));
        if (length > key.size()) {
            key.resize(length);
            length =
                ucol_getSortKey(m_collator, text.getBuffer(), text.length(), key.data(), length);
        }
        // Without the zero that ends it.
        key.resize(std::max(length - 1, 0));
        return key;
    }

    /// Characters that may join the next one into one collation element, such as a Thai
    /// vowel written before its consonant: the weights of a text that ends in one change
    /// when it goes on.
    bool startsContraction(UChar32 c) const { return m_contractionStarts.contains(c); }

    qint32 keyVersion() const { return m_keyVersion; }

private:
    UCollator* m_collator = nullptr;
    icu::UnicodeSet m_contractionStarts;
    qint32 m_keyVersion = 0;
};

const Collation& collation()
{
    static const Collation root;
    return root;
}

QString digits(const CollationKey& key, qsizetype length)
{
    QString text;
    text.reserve((length * 8 + DigitBits - 1) / DigitBits);
    quint32 pending = 0;
    int pendingBits = 0;
    for (qsizetype i = 0; i < length; ++i) {
        pending = (pending << 8) | key[i];
        pendingBits += 8;
        while (pendingBits >= DigitBits) {
            pendingBits -= DigitBits;
            text.append(QChar(FirstDigit + ((pending >> pendingBits) & DigitMask)));
        }
        pending &= (1u << pendingBits) - 1;
    }
    // The last bits are padded with zeros, so that a key sorts before its own extensions.
    if (pendingBits > 0)
        text.append(QChar(FirstDigit + ((pending << (DigitBits - pendingBits)) & DigitMask)));
    return text;
}

// The length of the first `levels` levels of a key, without the separator after them.
qsizetype levelsLength(const CollationKey& key, int levels)
{
    qsizetype i = 0;
    for (; i < key.size(); ++i) {
        if (key[i] == LevelSeparator && --levels == 0)
            break;
    }
    return i;
}

} // namespace

QString foldKey(const QString& text, CaseRules rules)
{
    return fromIcu(folded(text, rules));
}

QString sortKey(const QString& text)
{
    const CollationKey key = collation().key(keyedPart(text));
    return digits(key, key.size());
}

QString caseInsensitiveSortBound(const QString& text)
{
    const CollationKey key = collation().key(keyedPart(text));
    return digits(key, levelsLength(key, 2));
}

std::optional<KeyRange> prefixRange(const QString& prefix)
{
    // Only the base letters of a prefix are sure to begin the keys of its extensions, and only
    // up to a character that may join the next one.
    icu::UnicodeString text = folded(prefix, CaseRules::Common);
    int32_t end = text.length();
    while (end > 0) {
        const int32_t last = text.moveIndex32(end, -1);
        if (!collation().startsContraction(text.char32At(last)))
            break;
        end = last;
    }
    text.truncate(end);
    const CollationKey key = collation().key(text);
    const qsizetype length = levelsLength(key, 1);
    if (length == 0)
        return std::nullopt;

    KeyRange range{digits(key, length), {}};
    // Every key that starts with these bytes has the same digits, apart from the padding bits
    // of the last digit; the bound lies just above the highest value those bits can give it.
    const int paddingBits = static_cast<int>((DigitBits - length * 8 % DigitBits) % DigitBits);
    range.high = range.low;
    range.high.back() = QChar(range.high.back().unicode() + (1u << paddingBits));
    return range;
}

qint32 keyVersion()
{
    return collation().keyVersion();
}

} // namespace lexmint::textkeys
