#include "interchange/TextDecoder.h"

#include <unicode/ucnv.h>

#include <memory>

#include <QCoreApplication>

namespace lexmint::textdecoder {

namespace {

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// A converter that stops at the first byte sequence it cannot decode, instead of putting a
// replacement character in its place. Nothing for an empty or unknown name (an empty name
// would give the converter library's own default).
Converter openConverter(const QString& encoding)
{
    if (encoding.isEmpty())
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(encoding.toLatin1().constData(), &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

QString encodingByByteOrderMark(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringLiteral("UTF-16LE");
    if (bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16BE");
    return QStringLiteral("UTF-8");
}

int lineCount(QStringView text)
{
    return int(text.count(u'\n')) + 1;
}

DecodedText failure(QString message, int line)
{
    DecodedText result;
    result.error = std::move(message);
    result.errorLine = line;
    return result;
}

} // namespace

DecodedText decode(const QByteArray& bytes, const QString& encoding)
{
    const QString used = encoding.isEmpty() ? encodingByByteOrderMark(bytes) : encoding;
    const Converter converter = openConverter(used);
    if (!converter)
        return failure(
            QCoreApplication::translate("lexmint::TextDecoder", "The encoding \"%1\" is not known.")
                .arg(used),
            0);

    // Every encoding offered takes at least one byte per UTF-16 unit; the loop grows the
    // buffer for any that does not.
    QString text(std::max<qsizetype>(bytes.size(), 16), Qt::Uninitialized);
    const char* source = bytes.constData();
    const char* const sourceEnd = source + bytes.size();
    qsizetype written = 0;
    UErrorCode status = U_ZERO_ERROR;
    for (;;) {
        auto* const begin = reinterpret_cast<UChar*>(text.data());
        UChar* target = begin + written;
        ucnv_toUnicode(converter.get(), &target, begin + text.size(), &source, sourceEnd, nullptr,
                       true, &status);
        written = target - begin;
        if (status != U_BUFFER_OVERFLOW_ERROR)
            break;
        status = U_ZERO_ERROR;
        text.resize(text.size() * 2);
    }
    text.truncate(written);
    if (U_FAILURE(status)) {
        const int line = lineCount(text);
        return failure(QCoreApplication::translate(
                           "lexmint::TextDecoder",
                           "The file is not valid %1 text at line %2. Choose the encoding "
                           "it was written in.")
                           .arg(used)
                           .arg(line),
                       line);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0) {
        const int line = lineCount(QStringView(text).first(nul));
        return failure(
            QCoreApplication::translate("lexmint::TextDecoder",
                                        "The file holds NUL characters at line %1, so it is not a "
                                        "text file in %2.")
                .arg(line)
                .arg(used),
            line);
    }
    return {text, used, {}, 0};
}

bool isAvailable(const QString& encoding)
{
    return openConverter(encoding) != nullptr;
}

QStringList offeredEncodings()
{
    static const QStringList candidates{
        QStringLiteral("UTF-8"),        QStringLiteral("UTF-16LE"),
        QStringLiteral("UTF-16BE"),     QStringLiteral("windows-1250"),
        QStringLiteral("windows-1251"), QStringLiteral("windows-1252"),
        QStringLiteral("windows-1253"), QStringLiteral("windows-1254"),
        QStringLiteral("windows-1255"), QStringLiteral("windows-1256"),
        QStringLiteral("windows-1257"), QStringLiteral("windows-1258"),
        QStringLiteral("ISO-8859-1"),   QStringLiteral("ISO-8859-2"),
        QStringLiteral("ISO-8859-3"),   QStringLiteral("ISO-8859-4"),
        QStringLiteral("ISO-8859-5"),   QStringLiteral("ISO-8859-6"),
        QStringLiteral("ISO-8859-7"),   QStringLiteral("ISO-8859-8"),
        QStringLiteral("ISO-8859-9"),   QStringLiteral("ISO-8859-10"),
        QStringLiteral("ISO-8859-13"),  QStringLiteral("ISO-8859-14"),
        QStringLiteral("ISO-8859-15"),  QStringLiteral("ISO-8859-16"),
        QStringLiteral("KOI8-R"),       QStringLiteral("KOI8-U"),
        QStringLiteral("IBM866"),       QStringLiteral("IBM437"),
        QStringLiteral("IBM850"),       QStringLiteral("macintosh"),
        QStringLiteral("Shift_JIS"),    QStringLiteral("EUC-JP"),
        QStringLiteral("GB18030"),      QStringLiteral("Big5"),
        QStringLiteral("EUC-KR"),
    };
    QStringList offered;
    for (const QString& name : candidates) {
        if (isAvailable(name))
            offered.append(name);
    }
    return offered;
}

} // namespace lexmint::textdecoder
